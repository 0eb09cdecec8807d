#include "logbook/LogbookRun.h"

#include "logbook/LogPageLayout.h"
#include "logbook/LogReading.h"
#include "print/LaserPRT.h"
#include "text/Text.h"

namespace tavrilon::logbook {

namespace {

std::string NothingToPrint(const LogbookRequest& request) {
  std::string message = "The log " + request.logInputFile + " holds no contacts";
  if (request.mode == LogMode::Part) {
    message += " in the chosen range";
  } else if (request.mode == LogMode::Page) {
    message += " from page " + std::to_string(request.startPage + 1) + " on";
  }
  return message + "; nothing was printed.";
}

}  // namespace

bool InLogRange(const LogRange& range, const adif::QsoRecord& qso) {
  const std::int64_t date = qso.dateNumber;
  const std::string_view time =
      text::FirstChars(qso.fields.StandardValue(adif::StandardField::TimeOn), 5);
  bool included = false;
  if (range.BeginDate.empty()) {
    included = true;
  } else {
    const std::int64_t begin = text::ParseWholeNumber(range.BeginDate).value_or(0);
    if (date == begin) {
      included = time >= range.BeginTime;
    } else if (date > begin) {
      included = true;
    }
  }
  if (!range.EndDate.empty()) {
    const std::int64_t end = text::ParseWholeNumber(range.EndDate).value_or(0);
    if ((date == end && time > range.EndTime) || date > end) {
      included = false;
    }
  }
  return included;
}

LogbookRun::LogbookRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui,
                       Clock clock)
    : input_(input), settings_(settings), ui_(ui), clock_(std::move(clock)) {}

RunOutcome LogbookRun::PrintLog(const LogbookRequest& request,
                                const print::SurfaceSource& surfaceSource) {
  ui_.SetStatusText("Printing Log");
  LogReading reading(input_, ui_);
  if (!reading.Open(request.logInputFile)) {
    return RunOutcome::Stopped;
  }
  ColumnTable columns;
  columns.LoadColumnsFor(request.layout, settings_);
  print::PrintSurface* surface = surfaceSource();
  if (surface == nullptr) {
    ui_.SetStatusText("Printing Cancelled");
    return RunOutcome::Cancelled;
  }
  if (!surface->Failure().empty()) {
    ui_.SetStatusText("Printing Failed");
    ui_.ShowMessage("The logbook could not be printed: " + surface->Failure());
    return RunOutcome::Stopped;
  }
  print::LaserPRT::SetOrientation(*surface, print::Orientation::Landscape);
  LogPageState page;
  page.FromPageMode = request.mode == LogMode::Page;
  page.StartPage = page.FromPageMode ? request.startPage : 0;
  LogPageLayout layout(*surface, columns, page, request.operatorCall, request.layout,
                       ShortDate(clock_()));
  ui_.SetStatusText("Formatting Log");

  while (const adif::QsoRecord* qso = reading.Next()) {
    layout.PrintLogRow(*qso, request.mode != LogMode::Part || InLogRange(request.range, *qso));
    std::string status = "QSO ";
    status.append(std::to_string(page.PrintedCount))
        .append("  Page ")
        .append(std::to_string(page.PageNumber));
    ui_.SetStatusText(status);
  }
  switch (reading.Finish()) {
    case LogReadOutcome::Read:
      break;
    case LogReadOutcome::DictionaryMissing:
      surface->DiscardDocument();
      return RunOutcome::DictionaryMissing;
    case LogReadOutcome::CannotRead:
      surface->DiscardDocument();
      return RunOutcome::Stopped;
  }
  if (page.PrintedCount == 0) {
    surface->DiscardDocument();
    ui_.SetStatusText("Nothing Printed");
    ui_.ShowMessage(NothingToPrint(request));
    return RunOutcome::Stopped;
  }
  ui_.SetStatusText("Submitting Log to Printer");
  if (!surface->EndDocument()) {
    ui_.SetStatusText("Printing Failed");
    ui_.ShowMessage("The logbook could not be printed: " + surface->Failure());
    return RunOutcome::Stopped;
  }
  std::string status = "Printing Complete -> ";
  status.append(std::to_string(page.PrintedCount))
      .append(" QSOs Submitted to ")
      .append(std::to_string(page.PageNumber))
      .append(" pages.");
  ui_.SetStatusText(status);
  return RunOutcome::Completed;
}

}  // namespace tavrilon::logbook
