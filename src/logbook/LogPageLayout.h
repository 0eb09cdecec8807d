#pragma once

#include <string>

#include "adif/QsoRecord.h"
#include "logbook/LogColumns.h"
#include "print/PrintSurface.h"

namespace tavrilon::logbook {

// Where a logbook run has come on its pages.
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
                std::string operatorCall, LogLayout layout, std::string printDate);

  void PrintPageHeader();
  // Gives the contact its row: printed when `inRange`, unless its page is
  // one the print-from-page mode leaves out, where it only fills the row.
  void PrintLogRow(const adif::QsoRecord& qso, bool inRange);

 private:
  bool PageLeftOut() const { return state_.FromPageMode && state_.PageNumber <= state_.StartPage; }

  print::PrintSurface& surface_;
  const ColumnTable& columns_;
  LogPageState& state_;
  std::string operatorCall_;
  LogLayout layout_;
  std::string printDate_;
  ColumnSlotCache slots_;
};

}  // namespace tavrilon::logbook
