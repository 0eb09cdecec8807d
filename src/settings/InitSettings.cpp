#include "settings/InitSettings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/FirstRunSettings.h"
#include "text/Text.h"

namespace tavrilon::settings {

namespace {

constexpr std::string_view kRenamedField = "APP_LOGGER32_COUNTRY";
constexpr std::string_view kRenamedFieldNow = "COUNTRY";
constexpr std::array<std::string_view, 5> kDroppedFields = {"JCC", "JCG", "DOK", "VE_PROV",
                                                            "SUBMODE"};
constexpr std::size_t kColumnParts = 5;

void FillIfEmpty(SettingsFile& settings, const SettingKey& key, std::string_view value) {
  if (settings.ReadSetting(key, "").empty()) {
    settings.WriteSetting(key, value);
  }
}

void UpgradeDesign(SettingsFile& settings, int design) {
  for (const DesignKeyName& name : {kDesignMultiLines, kDesignMultiDx}) {
    FillIfEmpty(settings, DesignKey(design, name), name.firstRunValue);
  }
  for (int field = 1; field <= kDesignFieldCount; ++field) {
    const NumberedKey adifKey = DesignFieldKey(design, field, kFieldAdif);
    if (settings.ReadSetting(adifKey, "") == kRenamedField) {
      settings.WriteSetting(adifKey, kRenamedFieldNow);
    }
    for (std::string_view dropped : kDroppedFields) {
      if (settings.ReadSetting(adifKey, "") == dropped) {
        settings.WriteSetting(adifKey, "");
      }
    }
    // ADIF and Label are left alone: empty means an unused field or no caption.
    for (std::size_t i = 2; i < kFirstRunFieldAttributes.size(); ++i) {
      const DesignKeyName& attribute = kFirstRunFieldAttributes[i];
      FillIfEmpty(settings, DesignFieldKey(design, field, attribute), attribute.firstRunValue);
    }
  }
}

void UpgradeCustomLogColumn(SettingsFile& settings, int column) {
  const NumberedKey key = CustomLogColumnKey(column);
  const std::string value = settings.ReadSetting(key, "");
  if (text::TrimBlanks(value).empty()) {
    return;
  }
  std::vector<std::string_view> parts = text::Split(value, ',');
  if (parts.size() < kColumnParts) {
    return;  // too short to rebuild: kept as the user wrote it
  }
  if (parts[0] == kRenamedField) {
    parts[0] = kRenamedFieldNow;
  }
  for (std::string_view dropped : kDroppedFields) {
    if (parts[0] == dropped) {
      parts[0] = {};
    }
  }
  std::string joined(parts[0]);
  for (std::size_t i = 1; i < kColumnParts; ++i) {
    joined += ',';
    joined += parts[i];
  }
  settings.WriteSetting(key, joined);
}

void WriteFirstRunSettings(SettingsFile& settings) {
  for (const SettingRow& row : FirstRunSettings()) {
    settings.WriteSetting(row.section, row.key, row.value);
  }
}

void Upgrade(SettingsFile& settings) {
  FillIfEmpty(settings, kSortFile, "0");
  for (int design = 1; design <= kDesignCount; ++design) {
    UpgradeDesign(settings, design);
  }
  for (int column = 1; column <= kCustomLogColumnCount; ++column) {
    UpgradeCustomLogColumn(settings, column);
  }
}

}  // namespace

void InitSettings(SettingsFile& settings) {
  SettingsBatch batch(settings);
  if (settings.HoldsNoSettings()) {
    WriteFirstRunSettings(settings);
  } else {
    Upgrade(settings);
  }
}

}  // namespace tavrilon::settings
