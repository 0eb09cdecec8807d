#include "logbook/CustomLogSettings.h"

#include "text/Text.h"

namespace tavrilon::logbook {

namespace {

settings::NumberedKey ColumnKey(std::size_t index) {
  return settings::CustomLogColumnKey(static_cast<int>(index) + 1);
}

}  // namespace

CustomLogSetup OpenCustomLogSetup(settings::SettingsFile& settings) {
  CustomLogSetup setup;
  setup.grid = settings.ReadSetting(settings::kCustomLogGrid, "");
  if (text::TrimBlanks(setup.grid).empty()) {
    setup.grid.assign(kDefaultGrid);
    settings.WriteSetting(settings::kCustomLogGrid, setup.grid);
  }
  for (std::size_t c = 0; c < kCustomLogColumns; ++c) {
    const std::string stored = settings.ReadSetting(ColumnKey(c), "");
    if (text::TrimBlanks(stored).empty()) {
      continue;
    }
    const auto parts = text::Split(stored, ',');
    for (std::size_t p = 0; p < kColumnPartCount && p < parts.size(); ++p) {
      setup.columns[c][p] = parts[p];
    }
  }
  return setup;
}

void WriteCustomLogSetup(const CustomLogSetup& setup, settings::SettingsFile& settings) {
  // Twenty-two keys, one replacement of the file.
  settings::SettingsBatch batch(settings);
  for (std::size_t c = 0; c < kCustomLogColumns; ++c) {
    const ColumnParts& parts = setup.columns[c];
    std::string value = parts[0];
    for (std::size_t p = 1; p < kColumnPartCount; ++p) {
      value += ',';
      value += parts[p];
    }
    settings.WriteSetting(ColumnKey(c), value);
  }
  settings.WriteSetting(settings::kCustomLogGrid, setup.grid);
}

}  // namespace tavrilon::logbook
