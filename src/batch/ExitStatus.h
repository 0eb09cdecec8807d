#pragma once

#include <cstdio>

#include "adif/AdifInput.h"
#include "session/RunOutcome.h"
#include "session/UserInterface.h"

namespace tavrilon::batch {

inline constexpr int kExitOk = 0;
// The log is missing or cannot be read, or nothing whole came of the run.
inline constexpr int kExitInputMissing = 1;
inline constexpr int kExitDictionaryMissing = 2;
// The labels printed, but without the mailing labels their style asks for:
// the callbook could not be used.
inline constexpr int kExitMailingLabelsMissing = 3;
inline constexpr int kExitUsage = 64;

// The dictionary's message, missing or unusable; the program cannot go on
// without it.
void ReportDictionaryMissing(std::FILE* err, const adif::AdifInput& input);

// The exit status of a run's outcome: 0 completed, 2 without a usable
// dictionary (said through `ui`), 1 when the run said why it stopped or was
// cancelled.
int ExitStatusOf(RunOutcome outcome, const adif::AdifInput& input, UserInterface& ui);

}  // namespace tavrilon::batch
