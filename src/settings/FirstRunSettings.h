#pragma once

#include <string>
#include <vector>

#include "settings/SettingsKeys.h"

namespace tavrilon::settings {

struct SettingRow {
  std::string section;
  std::string key;
  std::string value;
};

// Every key a new settings file starts with, in the order it is written.
std::vector<SettingRow> FirstRunSettings();

}  // namespace tavrilon::settings
