#include "logbook/LogPageLayout.h"

#include "print/LaserPRT.h"
#include "text/Text.h"

namespace tavrilon::logbook {

namespace {

constexpr std::string_view kMillimetres = "6";
namespace prt = print::LaserPRT;

}  // namespace

LogPageLayout::LogPageLayout(print::PrintSurface& surface, const ColumnTable& columns,
                             LogPageState& state, std::string operatorCall, std::string logLayout,
                             std::string printDate)
    : surface_(surface),
      columns_(columns),
      state_(state),
      operatorCall_(std::move(operatorCall)),
      logLayout_(text::AsciiUpper(logLayout)),
      printDate_(std::move(printDate)) {}

void LogPageLayout::PrintPageHeader() {
  ++state_.PageNumber;
  prt::SetFont(surface_, "", 8);

  if (logLayout_ == "CUSTOM" || logLayout_ == "DEFAULT") {
    const double right =
        logLayout_ == "CUSTOM" ? columns_.GridRight() : ColumnTable::kDefaultGridRight;
    prt::DrawBox(surface_, kMillimetres, 20, 8, 190, right);
    for (int k = 1; k <= 33; ++k) {
      prt::DrawRule(surface_, kMillimetres, 20 + 5 * k, 8, right - 8, 0);
    }
  }
  std::string printedOn = "Printed On  ";
  printedOn += printDate_;
  prt::PrintAt(surface_, kMillimetres, 195, 20, printedOn, "None", 8, print::kBlack);
  if (!state_.FromPageMode || state_.PageNumber > state_.StartPage) {
    std::string page = "Page ";
    page.append(std::to_string(state_.PageNumber));
    prt::PrintAt(surface_, kMillimetres, 195, 225, page, "None", 8, print::kBlack);
  }
  state_.RowsOnPage = 0;
  prt::PrintAt(surface_, kMillimetres, 8, 8, operatorCall_, "BOLD", 24, print::kBlue);
  for (std::size_t row = 0; row < ColumnTable::kLaidOut; ++row) {
    const LogColumn& column = columns_.Row(row);
    if (!column.Heading.empty()) {
      prt::PrintAt(surface_, kMillimetres, 21, column.HeadingLeft, column.Heading, "BOLD", 8,
                   print::kBlack);
    }
  }
  ++state_.RowsOnPage;
}

void LogPageLayout::PrintLogRow(adif::AdifInput& input, const std::string& record,
                                const std::function<bool()>& included) {
  if (state_.RowsOnPage > state_.RowsPerPage) {
    // The first page needs no new sheet; nor do the pages the print-from-page
    // mode leaves out.
    if (state_.RowsOnPage != 99 && (!state_.FromPageMode || state_.PageNumber > state_.StartPage)) {
      surface_.NewPage();
    }
    PrintPageHeader();
  }
  input.ParseQsoRecord(record);
  if (!included()) {
    return;
  }
  ++state_.PrintedCount;
  const adif::FieldTable& fields = input.Fields();
  const ColumnSlots& slots = slots_.For(columns_, fields);
  for (std::size_t row = 0; row < ColumnTable::kLaidOut; ++row) {
    const LogColumn& column = columns_.Row(row);
    if (column.AdifField.empty()) {
      continue;
    }
    const std::string_view value = fields.Value(slots[row]);
    prt::PrintAt(surface_, kMillimetres, 21 + 5.0 * state_.RowsOnPage, column.DataLeft,
                 text::FirstChars(value, column.Length), "None", 8, print::kBlack);
  }
  ++state_.RowsOnPage;
}

}  // namespace tavrilon::logbook
