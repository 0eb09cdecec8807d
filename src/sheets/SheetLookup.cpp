#include "sheets/SheetLookup.h"

#include <utility>

#include "sheets/SheetCatalogue.h"

namespace tavrilon::sheets {

SheetLookup FindSheet(std::string_view stock, settings::SettingsFile& settings,
                      InstalledSheets& installed) {
  const auto number = CustomSheetNumber(stock);
  if (!number) {
    auto sheet = CatalogueSheet(stock);
    if (!sheet) {
      // The database is read only for a stock the program does not know itself.
      if (const DatabaseSheet* found = installed.Database().Find(stock)) {
        sheet = found->sheet;
      }
    }
    return sheet ? SheetLookup{SheetLookupStatus::Found, std::move(sheet), std::nullopt}
                 : SheetLookup{SheetLookupStatus::NotInCatalogue, std::nullopt, std::nullopt};
  }
  const std::string stored = settings.ReadSetting(settings::CustomSheetKey(*number), "");
  if (!IsCustomSheetDefined(stored)) {
    return {SheetLookupStatus::CustomNotDefined, std::nullopt, std::nullopt};
  }
  auto parsed = ParseCustomSheet(*number, stored);
  if (auto* fault = std::get_if<CustomSheetFault>(&parsed)) {
    return {SheetLookupStatus::CustomIncomplete, std::nullopt, std::move(*fault)};
  }
  return {SheetLookupStatus::Found, std::move(std::get<LabelSheet>(parsed)), std::nullopt};
}

std::optional<PaperSize> SheetPaper(std::string_view stock, settings::SettingsFile& settings,
                                    InstalledSheets& installed) {
  const SheetLookup lookup = FindSheet(stock, settings, installed);
  return lookup.Found() ? lookup.sheet->paper : std::nullopt;
}

std::string SheetLookupText(std::string_view stock, const SheetLookup& lookup) {
  switch (lookup.status) {
    case SheetLookupStatus::Found:
      break;
    case SheetLookupStatus::NotInCatalogue: {
      std::string message = "The label sheet \"";
      return message.append(stock).append(
          "\" is not known. Please choose a label sheet from the list.");
    }
    case SheetLookupStatus::CustomNotDefined:
      return "You have not defined a custom label.";
    case SheetLookupStatus::CustomIncomplete:
      return CustomSheetFaultText(*lookup.fault);
  }
  return {};
}

}  // namespace tavrilon::sheets
