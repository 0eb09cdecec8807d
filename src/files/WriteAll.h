#pragma once

#include <string_view>

namespace tavrilon::files {

// Writes all of `bytes` to `fd`, again after a signal or a short write.
// Answers 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes);

}  // namespace tavrilon::files
