#include "html/HtmlExport.h"

#include <system_error>

#include "files/TemporaryFiles.h"
#include "html/HtmlPageFile.h"
#include "html/HtmlWriter.h"
#include "logbook/LogColumns.h"
#include "logbook/LogReading.h"
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

HtmlExportOutcome ConvertLogToHtml(adif::AdifInput& input, settings::SettingsFile& settings,
                                   UserInterface& ui, const logbook::LogbookChoices& choices,
                                   const Clock& clock) {
  ui.SetStatusText("Printing Log");
  logbook::ColumnTable columns;
  if (!columns.LoadColumnsFor(choices.logLayout, settings)) {
    ui.ShowMessage("Please select Log Layout.");
    return HtmlExportOutcome::Stopped;
  }

  const std::filesystem::path log = choices.logInputFile;
  const std::filesystem::path pagePath = HtmlPagePath(log);
  if (WouldReplaceLog(log, pagePath)) {
    std::string message = "The log ";
    message.append(log.string())
        .append(" is itself an HTML page. Tavrilon does not write the logbook page over it.");
    ui.ShowMessage(message);
    return HtmlExportOutcome::Stopped;
  }

  // Pages of exports that were killed would otherwise lie beside it for good.
  files::RemoveLeftoverTemporaryFiles(pagePath.parent_path());
  HtmlPageFile page(pagePath);
  HtmlWriter writer(page, columns);
  const logbook::LogReadOutcome read = logbook::ReadLogForRun(
      input, ui, choices.logInputFile,
      [&] {
        if (!page.Open()) {
          ReportWriteFailure(ui, pagePath, page.Failure());
          return false;
        }
        writer.HtmlWriteHead(choices.operatorCall, choices.logLayout, clock());
        ui.SetStatusText("Formatting Log");
        return true;
      },
      [&](const std::string& record) { writer.HtmlWriteRow(input, record); });
  switch (read) {
    case logbook::LogReadOutcome::Read:
      break;
    case logbook::LogReadOutcome::DictionaryMissing:
      return HtmlExportOutcome::DictionaryMissing;
    case logbook::LogReadOutcome::Missing:
    case logbook::LogReadOutcome::CannotRead:
    case logbook::LogReadOutcome::Stopped:
      return HtmlExportOutcome::Stopped;
  }
  writer.HtmlWriteFoot();
  if (!page.Commit()) {
    ReportWriteFailure(ui, pagePath, page.Failure());
    return HtmlExportOutcome::Stopped;
  }
  std::string status = "Format complete - ";
  status.append(pagePath.string()).append(" created.");
  ui.SetStatusText(status);
  return HtmlExportOutcome::Written;
}

}  // namespace tavrilon::html
