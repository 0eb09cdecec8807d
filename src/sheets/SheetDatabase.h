#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheets/LabelSheet.h"

namespace tavrilon::sheets {

// One sheet of the system's label database: a rectangular label on sheet
// paper, or an alias of one (its own part, the other's geometry).
struct DatabaseSheet {
  std::string brand;        // "Zweckform"
  std::string part;         // "3490"
  std::string description;  // "Address labels"; may be empty
  std::string sizeText;     // the label's size as the file gives it: "70 x 36 mm", "2.625 x 1 in"
  LabelSheet sheet;         // named brand + " " + part, with its paper
};

// The sheets of the installed label databases, sorted by brand and part in
// any case, numbers by their value.
class SheetDatabase {
 public:
  SheetDatabase() = default;
  explicit SheetDatabase(std::vector<DatabaseSheet> sheets);

  const std::vector<DatabaseSheet>& Sheets() const { return sheets_; }
  // By brand and part, "Zweckform 3490", in any case.
  const DatabaseSheet* Find(std::string_view brandAndPart) const;
  // The sheets whose brand, part, paper, size or description hold every word
  // of `text`, in any case; all of them for a blank text.
  std::vector<const DatabaseSheet*> Search(std::string_view text) const;

 private:
  std::vector<DatabaseSheet> sheets_;
  std::vector<std::string> haystacks_;  // each sheet's searched texts, in capitals
};

// "Zweckform 3490 - A: 3   D: 8   HP: 2.7559   ...   - 70 x 36 mm, A4: Address
// labels" for the main window, in the form of the catalogue's descriptions,
// inches to 4 decimals; a label size the file gives in points is shown in
// millimetres (inches on US paper).
std::string DatabaseSheetDescription(const DatabaseSheet& sheet);

// The catalogued stocks as sheets without a brand, so that their part is
// the stock text; in the stock list's order, their size in inches.
SheetDatabase CatalogueAsDatabase();

// One line of the sheet list: brand, part, paper, label size (as shown in the
// description), layout ("3 x 8", "12 labels") and description, separated by
// tabs.
std::string DatabaseSheetLine(const DatabaseSheet& sheet);

}  // namespace tavrilon::sheets
