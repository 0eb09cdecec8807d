#include "settings/SettingsKeys.h"

namespace tavrilon::settings {

NumberedKey ReturnLabelLineKey(int line) {
  return {std::string(kReturnLabelSection), "Line" + std::to_string(line)};
}

NumberedKey CustomLogColumnKey(int column) {
  return {std::string(kCustomLogSection), "column" + std::to_string(column)};
}

NumberedKey CustomSheetKey(int sheet) {
  return {std::string(kCustomSheetSection), "Label-" + std::to_string(sheet)};
}

std::string DesignSection(int design) {
  return "Custom Label Layout-" + std::to_string(design);
}

NumberedKey DesignKey(int design, DesignKeyName name) {
  return {DesignSection(design), std::string(name.name)};
}

NumberedKey DesignFieldKey(int design, int field, DesignKeyName attribute) {
  return {DesignSection(design), "Field" + std::to_string(field) + std::string(attribute.name)};
}

}  // namespace tavrilon::settings
