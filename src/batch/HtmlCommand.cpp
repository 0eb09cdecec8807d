#include "batch/HtmlCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "batch/LogbookCommand.h"
#include "html/HtmlExport.h"

namespace tavrilon::batch {

int RunHtmlCommand(const std::filesystem::path& log, Session& session) {
  settings::SettingsFile& settings = session.Settings();
  ConsoleUserInterface ui(stderr);
  return ExitStatusOf(
      html::ConvertLogToHtml(session.Input(), settings, ui, StoredLogbookRequest(log, settings),
                             SystemClock(), session.ProtectedFiles()),
      session.Input(), ui);
}

}  // namespace tavrilon::batch
