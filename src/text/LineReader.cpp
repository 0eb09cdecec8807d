#include "text/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/ReadAt.h"
#include "files/RegularFile.h"
#include "text/Text.h"

namespace tavrilon::text {

std::string SizeText(std::size_t bytes) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  if (bytes % kMiB == 0) {
    return std::to_string(bytes / kMiB) + " MiB";
  }
  return std::to_string(bytes) + " bytes";
}

LineReader::LineReader(std::size_t lineLimit, std::size_t bufferBytes)
    : lineLimit_(lineLimit), bufferBytes_(bufferBytes), buffer_(bufferBytes) {}

LineReader::~LineReader() {
  Close();
}

bool LineReader::Open(const std::filesystem::path& path, std::string& error) {
  Close();
  path_ = path;
  std::string reason;
  fd_ = files::OpenRegularFileForReading(path, reason);
  struct stat info {};
  if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !StartAfterByteOrderMark())) {
    reason = std::strerror(errno);
    Close();
  }
  if (fd_ < 0) {
    error = path.string() + ": " + reason;
    return false;
  }
  fileLength_ = info.st_size;
  if (encoding_ != Encoding::Utf8) {
    fileLength_ /= 2;
    raw_.resize(bufferBytes_);
    // Two bytes become up to three; a unit left over from the read before
    // and a surrogate half that finds no partner add a few more.
    buffer_.resize(std::max(buffer_.size(), bufferBytes_ / 2 * 3 + 8));
  }
  ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  return true;
}

bool LineReader::StartAfterByteOrderMark() {
  unsigned char head[3] = {};
  const ssize_t got = files::ReadAt(fd_, head, sizeof head, 0);
  if (got < 0) {
    return false;
  }
  encoding_ = Encoding::Utf8;
  start_ = 0;
  if (got == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
    start_ = 3;
  } else if (got >= 2 && head[0] == 0xFF && head[1] == 0xFE) {
    encoding_ = Encoding::Utf16Le;
    start_ = 2;
  } else if (got >= 2 && head[0] == 0xFE && head[1] == 0xFF) {
    encoding_ = Encoding::Utf16Be;
    start_ = 2;
  }
  return ::lseek(fd_, start_, SEEK_SET) == start_;
}

void LineReader::ResetReading() {
  pos_ = end_ = validEnd_ = nextLf_ = nextCr_ = 0;
  converted_ = keeping_ = false;
  mark_ = lineOffset_ = 0;
  std::string().swap(carried_);  // a record cut off by a failure may have been long
  std::string().swap(taken_);
  highSurrogate_ = 0;
  oddByte_ = -1;
  eof_ = lineTooLong_ = false;
  lineNumber_ = 0;
  error_.clear();
}

void LineReader::Close() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
  fd_ = -1;
  ResetReading();
}

bool LineReader::Rewind() {
  if (fd_ < 0 || ::lseek(fd_, start_, SEEK_SET) != start_) {
    return false;
  }
  ResetReading();
  return true;
}

bool LineReader::Fill() {
  if (fd_ < 0 || eof_) {
    return false;
  }
  carried_.append(buffer_.data() + mark_, end_ - mark_);
  mark_ = 0;
  const bool utf8 = encoding_ == Encoding::Utf8;
  ssize_t got = 0;
  do {
    got = ::read(fd_, utf8 ? static_cast<void*>(buffer_.data()) : raw_.data(), bufferBytes_);
  } while (got < 0 && errno == EINTR);
  pos_ = 0;
  if (got < 0) {
    error_ = path_.string() + ": " + std::strerror(errno);
    end_ = 0;
  } else if (utf8) {
    end_ = static_cast<std::size_t>(got);
    validEnd_ = ValidUtf8Prefix(std::string_view(buffer_.data(), end_));
  } else {
    end_ = validEnd_ = Transcode(static_cast<std::size_t>(got));
  }
  if (end_ == 0 && got <= 0) {
    eof_ = true;
    return false;
  }
  nextLf_ = Find('\n');
  nextCr_ = Find('\r');
  return true;
}

std::size_t LineReader::Transcode(std::size_t rawBytes) {
  const bool little = encoding_ == Encoding::Utf16Le;
  const auto unit = [little](unsigned char first, unsigned char second) {
    return static_cast<char16_t>(little ? first | second << 8 : first << 8 | second);
  };
  std::size_t out = 0;
  std::size_t i = 0;
  if (oddByte_ >= 0 && rawBytes > 0) {
    PutUnit(unit(static_cast<unsigned char>(oddByte_), raw_[0]), out);
    oddByte_ = -1;
    i = 1;
  }
  for (; i + 1 < rawBytes; i += 2) {
    PutUnit(unit(raw_[i], raw_[i + 1]), out);
  }
  if (i < rawBytes) {
    oddByte_ = raw_[i];
  }
  if (rawBytes == 0) {
    // The file ends: a surrogate half or a lone byte left over is no character.
    if (highSurrogate_ != 0) {
      PutCode(0xFFFD, out);
      highSurrogate_ = 0;
    }
    if (oddByte_ >= 0) {
      PutCode(0xFFFD, out);
      oddByte_ = -1;
    }
  }
  return out;
}

void LineReader::PutUnit(char16_t unit, std::size_t& out) {
  const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
  if (highSurrogate_ != 0) {
    const char16_t high = highSurrogate_;
    highSurrogate_ = 0;
    if (low) {
      PutCode(static_cast<char32_t>(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00)), out);
      return;
    }
    PutCode(0xFFFD, out);
  }
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    highSurrogate_ = unit;
  } else {
    PutCode(low ? char32_t{0xFFFD} : char32_t{unit}, out);
  }
}

void LineReader::PutCode(char32_t code, std::size_t& out) {
  char* to = buffer_.data() + out;
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (code < 0x80) {
    to[0] = byte(code);
    out += 1;
  } else if (code < 0x800) {
    to[0] = byte(0xC0 | code >> 6);
    to[1] = byte(0x80 | (code & 0x3F));
    out += 2;
  } else if (code < 0x10000) {
    to[0] = byte(0xE0 | code >> 12);
    to[1] = byte(0x80 | (code >> 6 & 0x3F));
    to[2] = byte(0x80 | (code & 0x3F));
    out += 3;
  } else {
    to[0] = byte(0xF0 | code >> 18);
    to[1] = byte(0x80 | (code >> 12 & 0x3F));
    to[2] = byte(0x80 | (code >> 6 & 0x3F));
    to[3] = byte(0x80 | (code & 0x3F));
    out += 4;
  }
}

std::size_t LineReader::Find(char c) const {
  const void* found = std::memchr(buffer_.data() + pos_, c, end_ - pos_);
  return found == nullptr
             ? end_
             : static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
}

bool LineReader::AtEnd() {
  while (pos_ == end_) {
    if (!Fill()) {
      return true;
    }
  }
  return false;
}

std::string_view LineReader::KeptCarried() {
  carried_.append(buffer_.data() + mark_, pos_ - mark_);
  mark_ = pos_;
  return carried_;
}

std::string_view LineReader::TakeCarried(std::size_t count) {
  const std::size_t fromCarried = std::min(count, carried_.size());
  taken_.assign(carried_, 0, fromCarried);
  carried_.erase(0, fromCarried);
  taken_.append(buffer_.data() + mark_, count - fromCarried);
  mark_ += count - fromCarried;
  return taken_;
}

bool LineReader::ReadLine(std::string& line) {
  if (!keeping_) {
    carried_.clear();
    mark_ = pos_;
  }
  if (AtEnd()) {
    return false;
  }
  lineOffset_ = carried_.size() + pos_ - mark_;
  line.clear();
  bool checked = true;  // the whole line lies in the checked part of the buffer
  for (;;) {
    if (nextLf_ < pos_) {
      nextLf_ = Find('\n');
    }
    if (nextCr_ < pos_) {
      nextCr_ = Find('\r');
    }
    const std::size_t stop = std::min(nextLf_, nextCr_);
    if (stop - pos_ > lineLimit_ - line.size()) {
      ++lineNumber_;
      lineTooLong_ = true;
      error_ = path_.string() + ": line " + std::to_string(lineNumber_) + " is longer than " +
               SizeText(lineLimit_);
      eof_ = true;
      pos_ = end_ = mark_ = 0;
      keeping_ = false;
      std::string().swap(line);  // both give their memory back
      std::string().swap(carried_);
      return false;
    }
    line.append(buffer_.data() + pos_, stop - pos_);
    if (stop < end_) {
      checked = checked && stop <= validEnd_;
      pos_ = stop + 1;
      if (buffer_[stop] == '\r') {
        // A CR that ends the buffer: the next fill says whether an LF goes
        // with it, and the kept bytes take both.
        while (pos_ == end_ && Fill()) {
        }
        if (pos_ < end_ && buffer_[pos_] == '\n') {
          ++pos_;
        }
      }
      break;
    }
    pos_ = end_;
    checked = false;
    if (!Fill()) {
      break;  // the last line has no line end
    }
  }
  ++lineNumber_;
  converted_ = !checked && !IsValidUtf8(line);
  if (converted_) {
    std::string utf8;
    AppendWindows1252AsUtf8(line, utf8);
    line.swap(utf8);
  }
  return true;
}

}  // namespace tavrilon::text
