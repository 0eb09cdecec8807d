#pragma once

#include <cstdio>

namespace tavrilon::batch {

inline constexpr int kExitOk = 0;
inline constexpr int kExitInputMissing = 1;  // the log is missing or cannot be read
inline constexpr int kExitDictionaryMissing = 2;
inline constexpr int kExitUsage = 64;

// The dictionary's three-line message; the program cannot go on without it.
void ReportDictionaryMissing(std::FILE* err);

// The exit status of a print run's outcome (labels or logbook): 0 printed,
// 2 without the dictionary (said here), 1 when the run said why it stopped.
template <typename Outcome>
int ExitStatusOf(Outcome outcome) {
  if (outcome == Outcome::Printed) {
    return kExitOk;
  }
  if (outcome == Outcome::DictionaryMissing) {
    ReportDictionaryMissing(stderr);
    return kExitDictionaryMissing;
  }
  return kExitInputMissing;
}

}  // namespace tavrilon::batch
