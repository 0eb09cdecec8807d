#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "batch/PrintTarget.h"
#include "logbook/LogbookRun.h"
#include "shell/Session.h"

namespace tavrilon::batch {

struct LogbookOptions {
  std::filesystem::path log;
  PrintTarget target;
  std::optional<std::string> fromPage;  // the page typed, from 1
  std::optional<std::string> beginDate;
  std::optional<std::string> beginTime;
  std::optional<std::string> endDate;
  std::optional<std::string> endTime;
};

// The log with the layout and the operator's call the settings file holds,
// as the window reads them: for the printed logbook and the HTML page.
logbook::LogbookRequest StoredLogbookRequest(const std::filesystem::path& log,
                                             settings::SettingsFile& settings);

// Prints the logbook as the window's commands do: the whole log, from a page,
// or a date and time range, in the log layout of the settings file. Answers
// the exit status.
int RunLogbookCommand(const LogbookOptions& options, Session& session);

}  // namespace tavrilon::batch
