#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/SettingsFile.h"
#include "sheets/CustomSheets.h"
#include "sheets/InstalledSheets.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::sheets {

enum class SheetLookupStatus {
  Found,
  NotInCatalogue,    // not a catalogued stock, a custom sheet or a database sheet
  CustomNotDefined,  // a custom sheet without its entries
  CustomIncomplete,  // a custom sheet with entries that cannot be printed on
};

struct SheetLookup {
  SheetLookupStatus status = SheetLookupStatus::Found;
  std::optional<LabelSheet> sheet;        // when Found
  std::optional<CustomSheetFault> fault;  // when CustomIncomplete
  bool Found() const { return status == SheetLookupStatus::Found; }
};

// The sheet of `stock` (compared in capitals): a catalogued stock,
// "Custom 1" to "Custom 3" read afresh from the settings, or a sheet of the
// label database by brand and part ("Zweckform 3490").
SheetLookup FindSheet(std::string_view stock, settings::SettingsFile& settings,
                      InstalledSheets& installed);

// The paper the sheet of `stock` is made on; nothing when it is not known
// (a custom sheet prints on whatever the printer holds).
std::optional<PaperSize> SheetPaper(std::string_view stock, settings::SettingsFile& settings,
                                    InstalledSheets& installed);

// What to tell the user about a sheet that was not found.
std::string SheetLookupText(std::string_view stock, const SheetLookup& lookup);

}  // namespace tavrilon::sheets
