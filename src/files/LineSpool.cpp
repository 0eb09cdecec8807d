#include "files/LineSpool.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

#include "files/ReadAt.h"
#include "files/TemporaryFiles.h"
#include "files/WriteAll.h"

namespace tavrilon::files {

namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 16;
constexpr std::size_t kReadSize = std::size_t{1} << 18;

}  // namespace

LineSpool::~LineSpool() {
  Close();
}

bool LineSpool::Open(const std::filesystem::path& folder) {
  Close();
  failure_.clear();
  std::random_device random;
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts && fd_ < 0; ++attempt) {
    // Named as every temporary file, so that a start removes it should the
    // process end before the name is gone.
    const std::filesystem::path name = folder / TemporaryFileName(random());
    fd_ = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
      ::unlink(name.c_str());
    } else if (errno != EEXIST) {
      break;
    }
  }
  if (fd_ < 0) {
    Fail(errno);
    return false;
  }
  buffer_.reserve(kFlushAt * 2);
  return true;
}

void LineSpool::Append(std::string_view line) {
  if (fd_ < 0) {
    return;
  }
  buffer_.append(line).append(1, '\n');
  ++count_;
  if (buffer_.size() >= kFlushAt) {
    Flush();
  }
}

bool LineSpool::Flush() {
  if (const int error = WriteAll(fd_, buffer_); error != 0) {
    Fail(error);
    return false;
  }
  buffer_.clear();
  return true;
}

bool LineSpool::ForEach(const std::function<void(std::string_view)>& take) {
  if (fd_ < 0 || !Flush()) {
    return false;
  }
  std::string chunk(kReadSize, '\0');
  std::string line;  // a line that runs past the end of a chunk
  off_t offset = 0;
  for (;;) {
    const ssize_t got = ReadAt(fd_, chunk.data(), chunk.size(), offset);
    if (got < 0) {
      Fail(errno);
      return false;
    }
    if (got == 0) {
      return true;
    }
    offset += got;
    std::string_view rest(chunk.data(), static_cast<std::size_t>(got));
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
      if (line.empty()) {
        take(rest.substr(0, end));
      } else {
        line.append(rest, 0, end);
        take(line);
        line.clear();
      }
      rest.remove_prefix(end + 1);
    }
    line.append(rest);
  }
}

void LineSpool::Close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  count_ = 0;
  buffer_.clear();
}

void LineSpool::Fail(int error) {
  if (failure_.empty()) {
    failure_ = std::system_category().message(error);
  }
  Close();
}

}  // namespace tavrilon::files
