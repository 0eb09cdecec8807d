#include "batch/HtmlCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "batch/LogbookCommand.h"
#include "html/HtmlExport.h"

namespace tavrilon::batch {

int RunHtmlCommand(const std::filesystem::path& log, Session& session) {
  settings::SettingsFile& settings = session.Settings();
  const logbook::LogbookChoices choices = StoredLogbookChoices(log, settings);
  ConsoleUserInterface ui(stderr);
  switch (html::ConvertLogToHtml(session.Input(), settings, ui, choices, SystemClock())) {
    case html::HtmlExportOutcome::Written:
      return kExitOk;
    case html::HtmlExportOutcome::DictionaryMissing:
      ReportDictionaryMissing(stderr, session.Input());
      return kExitDictionaryMissing;
    case html::HtmlExportOutcome::Stopped:
      break;
  }
  return kExitInputMissing;
}

}  // namespace tavrilon::batch
