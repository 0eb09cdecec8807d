#pragma once

#include <cstdio>

namespace tavrilon::batch {

inline constexpr int kExitOk = 0;
inline constexpr int kExitInputMissing = 1;  // the log is missing or cannot be read
inline constexpr int kExitDictionaryMissing = 2;
inline constexpr int kExitUsage = 64;

// The dictionary's three-line message; the program cannot go on without it.
void ReportDictionaryMissing(std::FILE* err);

}  // namespace tavrilon::batch
