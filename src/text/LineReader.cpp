#include "text/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "text/Text.h"

namespace tavrilon::text {

LineReader::~LineReader() {
  Close();
}

bool LineReader::Open(const std::filesystem::path& path, std::string& error) {
  Close();
  path_ = path;
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
    error = path.string() + ": " +
            (fd_ >= 0 && S_ISDIR(info.st_mode) ? "is a folder" : std::strerror(errno));
    Close();
    return false;
  }
  fileLength_ = info.st_size;
  ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  return true;
}

void LineReader::Close() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
  fd_ = -1;
  pos_ = end_ = validEnd_ = 0;
  eof_ = false;
  error_.clear();
}

bool LineReader::Rewind() {
  if (fd_ < 0 || ::lseek(fd_, 0, SEEK_SET) != 0) {
    return false;
  }
  pos_ = end_ = 0;
  eof_ = false;
  error_.clear();
  return true;
}

bool LineReader::Fill() {
  if (fd_ < 0 || eof_) {
    return false;
  }
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
    if (got > 0) {
      pos_ = 0;
      end_ = static_cast<std::size_t>(got);
      validEnd_ = ValidUtf8Prefix(std::string_view(buffer_.data(), end_));
      return true;
    }
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      error_ = path_.string() + ": " + std::strerror(errno);
    }
    eof_ = true;
    pos_ = end_ = 0;
    return false;
  }
}

bool LineReader::AtEnd() {
  return pos_ == end_ && !Fill();
}

bool LineReader::ReadLine(std::string& line) {
  if (AtEnd()) {
    return false;
  }
  line.clear();
  bool checked = true;  // the whole line lies in the checked part of the buffer
  for (;;) {
    const char* start = buffer_.data() + pos_;
    const std::size_t available = end_ - pos_;
    const void* lf = std::memchr(start, '\n', available);
    if (lf != nullptr) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
      line.append(start, length);
      checked = checked && pos_ + length <= validEnd_;
      pos_ += length + 1;
      break;
    }
    line.append(start, available);
    pos_ = end_;
    checked = false;
    if (!Fill()) {
      break;  // the last line has no line end
    }
  }
  // A CR before the LF belongs to the line end, and so does a CR that ends the
  // file: that is a CR LF cut short, not data.
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  if (!checked) {
    DecodeLine(line);
  }
  return true;
}

}  // namespace tavrilon::text
