#pragma once

#include <optional>
#include <string>

#include "batch/LabelsCommand.h"
#include "shell/Session.h"

namespace tavrilon::batch {

struct CalibrateOptions {
  std::string printer;
  std::string across;  // millimetres as typed; right is positive
  std::string down;    // down is positive
};

// Stores the printer's correction, which every later label run and blank
// card on it takes. Answers the exit status.
int RunCalibrateCommand(const CalibrateOptions& options, Session& session);

// Prints the page to measure the correction by, for the options' stock (the
// stored one when not given) on the target's printer. Answers the exit
// status.
int RunAlignmentPageCommand(const LabelsOptions& options, Session& session);

}  // namespace tavrilon::batch
