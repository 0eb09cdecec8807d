#include "sheets/SheetDescription.h"

#include "sheets/CustomSheets.h"
#include "sheets/SheetCatalogue.h"
#include "text/Text.h"

namespace tavrilon::sheets {

std::optional<std::string> SheetDescription(std::string_view stock,
                                            settings::SettingsFile& settings,
                                            InstalledSheets& installed) {
  if (const auto description = CatalogueDescription(stock)) {
    return std::string(*description);
  }
  const auto sheet = CustomSheetNumber(stock);
  if (!sheet) {
    const DatabaseSheet* found = installed.Database().Find(stock);
    return found == nullptr ? std::nullopt : std::optional(DatabaseSheetDescription(*found));
  }
  const std::string stored = settings.ReadSetting(settings::CustomSheetKey(*sheet), "");
  if (!IsCustomSheetDefined(stored)) {
    return "Not Defined";
  }
  // The entries as stored, blanks and all, so the user sees what a run reads;
  // the label's size only when it is given.
  const auto parts = SplitStoredSheet(stored);
  static constexpr std::string_view kLabels[kCustomSheetEntryCount] = {
      " - A: ", "   D: ", "   HP: ", "   VP: ", "   TM: ", "   LM: ", "   W: ", "   H: "};
  const auto given = [&parts](std::size_t part) {
    return part < parts.size() && !text::TrimBlanks(parts[part]).empty();
  };
  const std::size_t shown = given(7) || given(8) ? kCustomSheetEntryCount : 6;
  std::string description = CustomSheetName(*sheet);
  for (std::size_t i = 0; i < shown; ++i) {
    description += kLabels[i];
    if (i + 1 < parts.size()) {
      description += parts[i + 1];
    }
  }
  return description;
}

}  // namespace tavrilon::sheets
