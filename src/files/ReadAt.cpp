#include "files/ReadAt.h"

#include <unistd.h>

#include <cerrno>

namespace tavrilon::files {

ssize_t ReadAt(int fd, void* into, std::size_t size, off_t at) {
  char* next = static_cast<char*>(into);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(fd, next + done, size - done, at + static_cast<off_t>(done));
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return -1;
    }
    if (got == 0) {
      break;
    }
    done += static_cast<std::size_t>(got);
  }
  return static_cast<ssize_t>(done);
}

}  // namespace tavrilon::files
