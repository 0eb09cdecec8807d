#include "designs/DesignKeys.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "designs/DesignSettings.h"

namespace tavrilon::designs {

namespace {

using namespace settings;

constexpr std::array kOwnKeys = {
    kDesignName,       kDesignMultiLines,  kDesignMultiDx,     kDesignPrintImage, kDesignImagePath,
    kDesignImageWidth, kDesignImageHeight, kDesignOrientation, kDesignShowGrid,   kDesignShortName};
constexpr std::array kFieldKeys = {
    kFieldAdif,           kFieldLabel,     kFieldCondition, kFieldHoriz,      kFieldVert,
    kFieldFontName,       kFieldFontSize,  kFieldFontBold,  kFieldFontItalic, kFieldFontUnderline,
    kFieldFontStrikethru, kFieldFontColor, kFieldMultiRpt,  kFieldAlign};

// What makes a field print something, as the renderer decides it.
constexpr std::array<std::string_view, 3> kFieldContent = {"ADIF", "Label", "Condition"};

bool IsFieldContent(std::string_view key) {
  if (!key.starts_with("Field")) {
    return false;
  }
  return std::ranges::any_of(kFieldContent,
                             [&](std::string_view attribute) { return key.ends_with(attribute); });
}

}  // namespace

const std::vector<std::string>& DesignKeyNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const DesignKeyName& key : kOwnKeys) {
      all.emplace_back(key.name);
    }
    for (int field = 1; field <= kDesignFieldCount; ++field) {
      for (const DesignKeyName& attribute : kFieldKeys) {
        all.push_back(DesignFieldKey(1, field, attribute).key);
      }
    }
    return all;
  }();
  return names;
}

DesignKeys ReadDesignKeys(SettingsFile& settings, int design) {
  const SettingsRead reading(settings);
  const std::string section = DesignSection(design);
  DesignKeys keys;
  for (const std::string& name : DesignKeyNames()) {
    keys.push_back({name, settings.ReadSetting(section, name, "")});
  }
  return keys;
}

bool WriteDesignKeys(SettingsFile& settings, int design, const DesignKeys& keys) {
  const std::vector<std::string>& names = DesignKeyNames();
  const std::string section = DesignSection(design);
  SettingsBatch batch(settings);
  {
    const SettingsRead reading(settings);
    for (const DesignKeyValue& key : keys) {
      if (std::ranges::find(names, key.key) != names.end() &&
          settings.ReadSetting(section, key.key, "") != key.value) {
        settings.WriteSetting(section, key.key, key.value);
      }
    }
  }
  return batch.Close();
}

bool HoldsLayout(const DesignKeys& keys) {
  return std::ranges::any_of(keys, [](const DesignKeyValue& key) {
    if (key.value.empty()) {
      return false;
    }
    if (key.key.ends_with(kFieldCondition.name)) {
      return ConditionInForce(key.value);
    }
    return (key.key == kDesignPrintImage.name && key.value == "TRUE") || IsFieldContent(key.key);
  });
}

bool HoldsDesign(const DesignKeys& keys) {
  return HoldsLayout(keys) || std::ranges::any_of(keys, [](const DesignKeyValue& key) {
           return key.key == kDesignName.name && !key.value.empty();
         });
}

}  // namespace tavrilon::designs
