#include "batch/LogbookCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "logbook/LogbookRun.h"

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

logbook::LogbookChoices StoredLogbookChoices(const std::filesystem::path& log,
                                             settings::SettingsFile& settings) {
  return {log.string(), settings.ReadSetting("Log", "LogLayOut", "DEFAULT"),
          settings.ReadSetting("Globals", "mycall", "Unknown")};
}

int RunLogbookCommand(const LogbookOptions& options, Session& session) {
  if (const auto status = CheckPrintTarget(options.target, options.log, session.OwnFiles())) {
    return *status;
  }
  if (!RangeIsAccepted(options)) {
    return kExitUsage;
  }
  settings::SettingsFile& settings = session.Settings();
  ConsoleUserInterface ui(stderr);
  logbook::LogbookRun run(session.Input(), settings, ui, SystemClock());
  if (options.fromPage) {
    const logbook::StartPageChoice choice = logbook::ConfirmStartPage(*options.fromPage);
    if (!choice.FromPageMode) {
      std::fprintf(stderr, "--from-page takes a page number from 1, not \"%s\".\n",
                   options.fromPage->c_str());
      return kExitUsage;
    }
    run.Mode = logbook::LogMode::Page;
    run.Page.FromPageMode = true;
    run.Page.StartPage = choice.StartPage;
  } else if (options.beginDate || options.endDate) {
    run.Mode = logbook::LogMode::Part;
    run.Range =
        logbook::ConfirmRange(options.beginDate.value_or(""), options.beginTime.value_or(""),
                              options.endDate.value_or(""), options.endTime.value_or(""));
  }

  const logbook::LogbookChoices choices = StoredLogbookChoices(options.log, settings);
  std::optional<qt::PrintJob> job;
  return ExitStatusOf(
      run.PrintLog(choices, PrintDocumentFor(options.target, job, "Tavrilon logbook", {})),
      session.Input());
}

}  // namespace tavrilon::batch
