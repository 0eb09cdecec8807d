#include "html/HtmlExport.h"

#include <system_error>

#include "html/HtmlPageFile.h"
#include "html/HtmlWriter.h"
#include "logbook/LogColumns.h"
#include "logbook/LogReading.h"
#include "print/OutputDestination.h"
#include "text/Text.h"

namespace tavrilon::html {

namespace {

// The page would take the log's place: named .html in any case (a page of
// its own) or the same file under another name (a link).
bool WouldReplaceLog(const std::filesystem::path& log, const std::filesystem::path& page) {
  std::error_code ec;
  return text::EqualsIgnoringCase(log.extension().string(), ".html") ||
         std::filesystem::equivalent(log, page, ec);
}

void ReportWriteFailure(UserInterface& ui, const std::filesystem::path& page,
                        const std::string& reason) {
  ui.SetStatusText("Format failed");
  std::string message = "The HTML page ";
  message.append(page.string()).append(" could not be written: ").append(reason);
  ui.ShowMessage(message);
}

}  // namespace

std::filesystem::path HtmlPagePath(const std::filesystem::path& log) {
  std::filesystem::path page = log;
  page.replace_extension(".html");
  return page;
}

RunOutcome ConvertLogToHtml(adif::AdifInput& input, settings::SettingsFile& settings,
                            UserInterface& ui, const logbook::LogbookRequest& request,
                            const Clock& clock,
                            const std::vector<std::filesystem::path>& protectedFiles) {
  ui.SetStatusText("Printing Log");
  const std::filesystem::path log = request.logInputFile;
  const std::filesystem::path pagePath = HtmlPagePath(log);
  if (WouldReplaceLog(log, pagePath)) {
    std::string message = "The log ";
    message.append(log.string())
        .append(" is itself an HTML page. Tavrilon does not write the logbook page over it.");
    ui.ShowMessage(message);
    return RunOutcome::Stopped;
  }
  // A page that is a link is written through it, so where it leads is checked.
  if (const auto fault = print::ProtectedFileFault(pagePath, log, protectedFiles, "HTML page")) {
    ui.ShowMessage(*fault);
    return RunOutcome::Stopped;
  }

  logbook::LogReading reading(input, ui);
  if (!reading.Open(request.logInputFile)) {
    return RunOutcome::Stopped;
  }
  logbook::ColumnTable columns;
  columns.LoadColumnsFor(request.layout, settings);
  HtmlPageFile page(pagePath);
  if (!page.Open()) {
    ReportWriteFailure(ui, pagePath, page.Failure());
    return RunOutcome::Stopped;
  }
  HtmlWriter writer(page, columns);
  writer.HtmlWriteHead(request.operatorCall, request.layout, clock());
  ui.SetStatusText("Formatting Log");
  while (const adif::QsoRecord* qso = reading.Next()) {
    writer.HtmlWriteRow(*qso);
  }
  switch (reading.Finish()) {
    case logbook::LogReadOutcome::Read:
      break;
    case logbook::LogReadOutcome::DictionaryMissing:
      return RunOutcome::DictionaryMissing;
    case logbook::LogReadOutcome::CannotRead:
      return RunOutcome::Stopped;
  }
  writer.HtmlWriteFoot();
  if (!page.Commit()) {
    ReportWriteFailure(ui, pagePath, page.Failure());
    return RunOutcome::Stopped;
  }
  std::string status = "Format complete - ";
  status.append(pagePath.string()).append(" created.");
  ui.SetStatusText(status);
  return RunOutcome::Completed;
}

}  // namespace tavrilon::html
