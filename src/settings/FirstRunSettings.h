#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::settings {

struct SettingRow {
  std::string section;
  std::string key;
  std::string value;
};

inline constexpr int kDesignCount = 3;
inline constexpr int kDesignFieldCount = 15;
inline constexpr int kCustomLogColumnCount = 21;

struct FieldAttribute {
  std::string_view name;
  std::string_view firstRunValue;
};

// The attributes of each field of a custom label design, in the order they
// are first written. The upgrade fills in all but the first two.
inline constexpr std::array<FieldAttribute, 12> kFieldAttributes = {{
    {"ADIF", ""},
    {"Label", ""},
    {"Horiz", "0"},
    {"Vert", "0"},
    {"FontName", "Arial"},
    {"FontSize", "10"},
    {"FontBold", "False"},
    {"FontItalic", "False"},
    {"FontUnderline", "False"},
    {"FontStrikethru", "False"},
    {"FontColor", "0"},
    {"MultiRpt", "0"},
}};

// "Custom Label Layout-1" to "-3".
std::string DesignSection(int design);
// "Field" + field number + attribute, as in "Field12FontBold".
std::string DesignFieldKey(int field, std::string_view attribute);

// Every key a new settings file starts with, in the order it is written.
std::vector<SettingRow> FirstRunSettings();

}  // namespace tavrilon::settings
