#include "labels/LabelSheetPlacement.h"

#include "labels/SheetCatalogue.h"

namespace tavrilon::labels {

SheetLookup LabelPlacement::LookupLabelSheet(std::string_view stock,
                                             settings::SettingsFile& settings, UserInterface& ui) {
  if (CustomSheetNumber(stock)) {
    return LoadCustomSheet(stock, settings, ui);
  }
  auto sheet = CatalogueSheet(stock);
  if (!sheet) {
    return {SheetLookupStatus::NotInCatalogue, std::nullopt};
  }
  currentSheet_ = std::move(*sheet);
  return {};
}

SheetLookup LabelPlacement::LoadCustomSheet(std::string_view stock,
                                            settings::SettingsFile& settings, UserInterface& ui) {
  const auto number = CustomSheetNumber(stock);
  if (!number) {
    return {SheetLookupStatus::NotInCatalogue, std::nullopt};
  }
  const std::string stored = settings.ReadSetting(settings::CustomSheetKey(*number), "");
  if (!IsCustomSheetDefined(stored)) {
    ui.ShowMessage("You have not defined a custom label.");
    return {SheetLookupStatus::CustomNotDefined, std::nullopt};
  }
  auto parsed = ParseCustomSheet(*number, stored);
  if (auto* fault = std::get_if<CustomSheetFault>(&parsed)) {
    return {SheetLookupStatus::CustomIncomplete, std::move(*fault)};
  }
  currentSheet_ = std::move(std::get<LabelSheet>(parsed));
  return {};
}

float LabelPlacement::LabelLeft() const {
  return static_cast<float>(currentSheet_.leftMargin +
                            (position_.column - 1) * currentSheet_.horizontalPitch);
}

float LabelPlacement::LabelTop() const {
  return static_cast<float>(currentSheet_.topMargin +
                            (position_.row - 1) * currentSheet_.verticalPitch);
}

void LabelPlacement::AdvanceLabel(print::PrintSurface& surface) {
  if (position_.column < currentSheet_.across) {
    position_.column = static_cast<std::int16_t>(position_.column + 1);
  } else if (position_.row < currentSheet_.down) {
    position_.column = 1;
    position_.row = static_cast<std::int16_t>(position_.row + 1);
  } else {
    surface.NewPage();
    position_ = LabelPosition{};
  }
}

}  // namespace tavrilon::labels
