#pragma once

#include <functional>
#include <string>

#include "adif/AdifInput.h"
#include "logbook/LogColumns.h"
#include "print/PrintSurface.h"

namespace tavrilon::logbook {

// The page state a logbook run shares with its filter.
struct LogPageState {
  int PageNumber = 0;
  int RowsOnPage = 99;  // 99: no page yet
  int RowsPerPage = 33;
  int PrintedCount = 0;
  int StartPage = 0;  // pages left out in the print-from-page mode
  bool FromPageMode = false;
};

// Lays the logbook out on landscape pages: the operator's call as title, a
// frame of 34 bands, the headings, 33 contacts a page, and a footer with the
// print date and page number. Positions in millimetres through the printer
// text layer.
class LogPageLayout {
 public:
  LogPageLayout(print::PrintSurface& surface, const ColumnTable& columns, LogPageState& state,
                std::string operatorCall, std::string logLayout, std::string printDate);

  void PrintPageHeader();
  // Prints one record when `included` (asked after the record is parsed)
  // says so.
  void PrintLogRow(adif::AdifInput& input, const std::string& record,
                   const std::function<bool()>& included);

 private:
  print::PrintSurface& surface_;
  const ColumnTable& columns_;
  LogPageState& state_;
  std::string operatorCall_;
  std::string logLayout_;
  std::string printDate_;
  ColumnSlotCache slots_;
};

}  // namespace tavrilon::logbook
