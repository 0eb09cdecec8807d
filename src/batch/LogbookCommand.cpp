#include "batch/LogbookCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "logbook/LogbookRun.h"
#include "shell/StoredChoices.h"

namespace tavrilon::batch {

namespace {

// The checks the range dialog makes as each box is left.
bool RangeIsAccepted(const LogbookOptions& options) {
  const auto date = [](const std::optional<std::string>& text, const char* option) {
    if (text && (text->empty() || !logbook::IsAcceptedDate(*text))) {
      std::fprintf(stderr, "%s takes a date as YYYYMMDD, not \"%s\".\n", option, text->c_str());
      return false;
    }
    return true;
  };
  const auto time = [](const std::optional<std::string>& text, const char* option) {
    if (text && !logbook::AcceptedTime(*text)) {
      std::fprintf(stderr, "%s takes a time as HHMM up to 2400, not \"%s\".\n", option,
                   text->c_str());
      return false;
    }
    return true;
  };
  return date(options.beginDate, "--begin") && date(options.endDate, "--end") &&
         time(options.beginTime, "--begin-time") && time(options.endTime, "--end-time");
}

}  // namespace

logbook::LogbookRequest StoredLogbookRequest(const std::filesystem::path& log,
                                             settings::SettingsFile& settings) {
  const shell::StoredChoices stored = shell::ReadStoredChoices(settings);
  logbook::LogbookRequest request;
  request.logInputFile = log.string();
  request.layout = stored.logLayout;
  request.operatorCall = stored.operatorCall;
  return request;
}

int RunLogbookCommand(const LogbookOptions& options, Session& session) {
  if (const auto status = CheckPrintTarget(options.target, options.log, session.ProtectedFiles())) {
    return *status;
  }
  if (!RangeIsAccepted(options)) {
    return kExitUsage;
  }
  settings::SettingsFile& settings = session.Settings();
  logbook::LogbookRequest request = StoredLogbookRequest(options.log, settings);
  if (options.fromPage) {
    const logbook::StartPageChoice choice = logbook::ConfirmStartPage(*options.fromPage);
    if (!choice.FromPageMode) {
      std::fprintf(stderr, "--from-page takes a page number from 1, not \"%s\".\n",
                   options.fromPage->c_str());
      return kExitUsage;
    }
    request.mode = logbook::LogMode::Page;
    request.startPage = choice.StartPage;
  } else if (options.beginDate || options.endDate) {
    request.mode = logbook::LogMode::Part;
    request.range =
        logbook::ConfirmRange(options.beginDate.value_or(""), options.beginTime.value_or(""),
                              options.endDate.value_or(""), options.endTime.value_or(""));
  }
  ConsoleUserInterface ui(stderr);
  logbook::LogbookRun run(session.Input(), settings, ui, SystemClock());
  std::optional<qt::PrintJob> job;
  return ExitStatusOf(run.PrintLog(request, PrintDocumentFor(options.target, job, "logbook", {})),
                      session.Input(), ui);
}

}  // namespace tavrilon::batch
