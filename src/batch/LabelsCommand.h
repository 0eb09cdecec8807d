#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "batch/PrintTarget.h"
#include "session/Session.h"

namespace tavrilon::batch {

struct LabelsOptions {
  std::filesystem::path log;
  PrintTarget target;
  std::optional<std::string> stock;
  std::string skip = "0";
};

// Prints QSL labels for every contact of the log as the window's command
// does, with the design, style and stock of the settings file unless given.
// Answers the exit status.
int RunLabelsCommand(const LabelsOptions& options, Session& session);

}  // namespace tavrilon::batch
