#pragma once

#include <cstdio>

#include "adif/AdifInput.h"
#include "session/RunOutcome.h"

namespace tavrilon::batch {

inline constexpr int kExitOk = 0;
inline constexpr int kExitInputMissing = 1;  // the log is missing or cannot be read
inline constexpr int kExitDictionaryMissing = 2;
inline constexpr int kExitUsage = 64;

// The dictionary's message, missing or unusable; the program cannot go on
// without it.
void ReportDictionaryMissing(std::FILE* err, const adif::AdifInput& input);

// The exit status of a run's outcome: 0 completed, 2 without a usable
// dictionary (said here), 1 when the run said why it stopped or was
// cancelled.
int ExitStatusOf(RunOutcome outcome, const adif::AdifInput& input);

}  // namespace tavrilon::batch
