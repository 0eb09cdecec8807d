#include "files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tavrilon::files {

namespace {

std::string KindFault(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) {
    return "is a folder";
  }
  return S_ISREG(info.st_mode) ? std::string() : std::string("is not a regular file");
}

}  // namespace

int OpenRegularFileForReading(const std::filesystem::path& path, std::string& reason) {
  // Not blocking, so that a FIFO opens at once and can be refused.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    reason = std::system_category().message(errno);
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    reason = std::system_category().message(errno);
    ::close(fd);
    return -1;
  }
  if (std::string fault = KindFault(info); !fault.empty()) {
    reason = std::move(fault);
    ::close(fd);
    return -1;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) {
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  }
  return fd;
}

bool ReadAll(int fd, std::string& bytes) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) {
      return true;
    }
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

bool ReadRegularFile(const std::filesystem::path& path, std::string& bytes, std::string& reason) {
  const int fd = OpenRegularFileForReading(path, reason);
  if (fd < 0) {
    return false;
  }
  const bool read = ReadAll(fd, bytes);
  if (!read) {
    reason = std::system_category().message(errno);
  }
  ::close(fd);
  return read;
}

std::string NotARegularFile(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return {};
  }
  return KindFault(info);
}

}  // namespace tavrilon::files
