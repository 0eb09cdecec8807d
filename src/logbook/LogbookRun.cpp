#include "logbook/LogbookRun.h"

#include <optional>

#include "logbook/LogReading.h"
#include "print/LaserPRT.h"
#include "text/Text.h"

namespace tavrilon::logbook {

LogbookRun::LogbookRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui,
                       Clock clock)
    : input_(input), settings_(settings), ui_(ui), clock_(std::move(clock)) {}

bool LogbookRun::LogIncluded() {
  switch (Mode) {
    case LogMode::Full:
    case LogMode::Html:
      return true;
    case LogMode::Page:
      if (Page.PageNumber > Page.StartPage) {
        return true;
      }
      ++Page.RowsOnPage;  // a left-out page fills as a printed one would
      return false;
    case LogMode::Part:
      break;
  }
  const std::int64_t date = input_.QsoDateNumber;
  const std::string_view time =
      text::FirstChars(input_.Fields().StandardValue(adif::StandardField::TimeOn), 5);
  bool included = false;
  if (Range.BeginDate.empty()) {
    included = true;
  } else {
    const std::int64_t begin = text::ParseDecimal(Range.BeginDate).value_or(0);
    if (date == begin) {
      included = time >= Range.BeginTime;
    } else if (date > begin) {
      included = true;
    }
  }
  if (!Range.EndDate.empty()) {
    const std::int64_t end = text::ParseDecimal(Range.EndDate).value_or(0);
    if ((date == end && time > Range.EndTime) || date > end) {
      included = false;
    }
  }
  return included;
}

std::string LogbookRun::NothingToPrint(const std::string& logFile) const {
  std::string message = "The log " + logFile + " holds no contacts";
  if (Mode == LogMode::Part) {
    message += " in the chosen range";
  } else if (Mode == LogMode::Page) {
    message += " from page " + std::to_string(Page.StartPage + 1) + " on";
  }
  return message + "; nothing was printed.";
}

LogbookOutcome LogbookRun::PrintLog(const LogbookChoices& choices,
                                    const print::SurfaceSource& surfaceSource) {
  ui_.SetStatusText("Printing Log");
  Page.PageNumber = 0;
  Page.RowsOnPage = 99;
  Page.RowsPerPage = 33;
  Page.PrintedCount = 0;

  ColumnTable columns;
  print::PrintSurface* surface = nullptr;
  std::optional<LogPageLayout> layout;
  bool cancelled = false;
  const LogReadOutcome read = ReadLogForRun(
      input_, ui_, choices.logInputFile,
      [&] {
        if (!columns.LoadColumnsFor(choices.logLayout, settings_)) {
          ui_.ShowMessage("Please select Log Layout.");
          return false;
        }
        surface = surfaceSource();
        if (surface == nullptr) {
          cancelled = true;
          ui_.SetStatusText("Printing Cancelled");
          return false;
        }
        if (!surface->Failure().empty()) {
          ui_.SetStatusText("Printing Failed");
          ui_.ShowMessage("The logbook could not be printed: " + surface->Failure());
          return false;
        }
        print::LaserPRT::SetOrientation(*surface, 1);
        layout.emplace(*surface, columns, Page, choices.operatorCall, choices.logLayout,
                       ShortDate(clock_()));
        ui_.SetStatusText("Formatting Log");
        return true;
      },
      [&](const std::string& record) {
        layout->PrintLogRow(input_, record, [this] { return LogIncluded(); });
        std::string status = "QSO ";
        status.append(std::to_string(Page.PrintedCount))
            .append("  Page ")
            .append(std::to_string(Page.PageNumber));
        ui_.SetStatusText(status);
      });
  if (read != LogReadOutcome::Read && surface != nullptr) {
    surface->DiscardDocument();
  }
  switch (read) {
    case LogReadOutcome::Read:
      break;
    case LogReadOutcome::DictionaryMissing:
      return LogbookOutcome::DictionaryMissing;
    case LogReadOutcome::Stopped:
      return cancelled ? LogbookOutcome::Cancelled : LogbookOutcome::Stopped;
    case LogReadOutcome::Missing:
    case LogReadOutcome::CannotRead:
      return LogbookOutcome::Stopped;
  }
  if (Page.PrintedCount == 0) {
    surface->DiscardDocument();
    ui_.SetStatusText("Nothing Printed");
    ui_.ShowMessage(NothingToPrint(choices.logInputFile));
    return LogbookOutcome::Stopped;
  }
  ui_.SetStatusText("Submitting Log to Printer");
  if (!surface->EndDocument()) {
    ui_.SetStatusText("Printing Failed");
    ui_.ShowMessage("The logbook could not be printed: " + surface->Failure());
    Page.PrintedCount = 0;
    return LogbookOutcome::Stopped;
  }
  std::string status = "Printing Complete -> ";
  status.append(std::to_string(Page.PrintedCount))
      .append(" QSOs Submitted to ")
      .append(std::to_string(Page.PageNumber))
      .append(" pages.");
  ui_.SetStatusText(status);
  Page.PrintedCount = 0;
  return LogbookOutcome::Printed;
}

}  // namespace tavrilon::logbook
