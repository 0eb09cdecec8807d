#include "logbook/LogPageLayout.h"

#include "print/LaserPRT.h"
#include "text/Text.h"

namespace tavrilon::logbook {

namespace {

constexpr print::Unit kMillimetres = print::Unit::Millimetres;
namespace prt = print::LaserPRT;
using print::LaserPRT::TextStyle;

}  // namespace

LogPageLayout::LogPageLayout(print::PrintSurface& surface, const ColumnTable& columns,
                             LogPageState& state, std::string operatorCall, LogLayout layout,
                             std::string printDate)
    : surface_(surface),
      columns_(columns),
      state_(state),
      operatorCall_(std::move(operatorCall)),
      layout_(layout),
      printDate_(std::move(printDate)) {}

void LogPageLayout::PrintPageHeader() {
  ++state_.PageNumber;
  prt::SetFont(surface_, "", 8);

  const double right =
      layout_ == LogLayout::Custom ? columns_.GridRight() : ColumnTable::kDefaultGridRight;
  prt::DrawBox(surface_, kMillimetres, 20, 8, 190, right);
  for (int k = 1; k <= 33; ++k) {
    prt::DrawRule(surface_, kMillimetres, 20 + 5 * k, 8, right - 8, 0);
  }
  std::string printedOn = "Printed On  ";
  printedOn += printDate_;
  prt::PrintAt(surface_, kMillimetres, 195, 20, printedOn, TextStyle::Plain, 8, print::kBlack);
  if (!PageLeftOut()) {
    std::string page = "Page ";
    page.append(std::to_string(state_.PageNumber));
    prt::PrintAt(surface_, kMillimetres, 195, 225, page, TextStyle::Plain, 8, print::kBlack);
  }
  state_.RowsOnPage = 0;
  prt::PrintAt(surface_, kMillimetres, 8, 8, operatorCall_, TextStyle::Bold, 24, print::kBlue);
  for (std::size_t row = 0; row < ColumnTable::kLaidOut; ++row) {
    const LogColumn& column = columns_.Row(row);
    if (!column.Heading.empty()) {
      prt::PrintAt(surface_, kMillimetres, 21, column.HeadingLeft, column.Heading, TextStyle::Bold,
                   8, print::kBlack);
    }
  }
  ++state_.RowsOnPage;
}

void LogPageLayout::PrintLogRow(const adif::QsoRecord& qso, bool inRange) {
  if (state_.RowsOnPage > state_.RowsPerPage) {
    // The first page needs no new sheet; nor do the pages the print-from-page
    // mode leaves out.
    if (state_.RowsOnPage != 99 && !PageLeftOut()) {
      surface_.NewPage();
    }
    PrintPageHeader();
  }
  if (PageLeftOut()) {
    ++state_.RowsOnPage;  // a left-out page fills as a printed one would
    return;
  }
  if (!inRange) {
    return;
  }
  ++state_.PrintedCount;
  const adif::FieldTable& fields = qso.fields;
  const ColumnSlots& slots = slots_.For(columns_, fields);
  for (std::size_t row = 0; row < ColumnTable::kLaidOut; ++row) {
    const LogColumn& column = columns_.Row(row);
    if (column.AdifField.empty()) {
      continue;
    }
    const std::string_view value = fields.Value(slots[row]);
    prt::PrintAt(surface_, kMillimetres, 21 + 5.0 * state_.RowsOnPage, column.DataLeft,
                 text::FirstChars(value, column.Length), TextStyle::Plain, 8, print::kBlack);
  }
  ++state_.RowsOnPage;
}

}  // namespace tavrilon::logbook
