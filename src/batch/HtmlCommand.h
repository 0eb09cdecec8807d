#pragma once

#include <filesystem>

#include "shell/Session.h"

namespace tavrilon::batch {

// Writes the log as an HTML page beside it, as the window's "Convert Log to
// HTML" does, with the log layout and the operator's call of the settings
// file. Answers the exit status.
int RunHtmlCommand(const std::filesystem::path& log, Session& session);

}  // namespace tavrilon::batch
