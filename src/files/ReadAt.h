#pragma once

#include <sys/types.h>

#include <cstddef>

namespace tavrilon::files {

// Reads `size` bytes at offset `at` of `fd` into `into`, again after a signal
// or a short read: fewer only where the file ends. Answers the count read,
// or -1 with errno set by the read that failed.
ssize_t ReadAt(int fd, void* into, std::size_t size, off_t at);

}  // namespace tavrilon::files
