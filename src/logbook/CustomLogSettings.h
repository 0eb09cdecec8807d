#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsFile.h"

namespace tavrilon::logbook {

// The custom logbook layout as the setup dialog shows and stores it: each
// settings::CustomLogColumnKey the five parts joined by ",", and the grid.
// Every part stays text, exactly as typed; the page layout makes numbers of
// them.

inline constexpr auto kCustomLogColumns = static_cast<std::size_t>(settings::kCustomLogColumnCount);
inline constexpr std::string_view kDefaultGrid = "250";

enum class ColumnPart { AdifField, DataLeft, Heading, HeadingLeft, Length };
inline constexpr std::size_t kColumnPartCount = 5;
using ColumnParts = std::array<std::string, kColumnPartCount>;

struct CustomLogSetup {
  std::array<ColumnParts, kCustomLogColumns> columns;
  std::string grid;
};

// What the setup dialog opens with. A blank column gives empty parts, a
// short one empty parts where it has none, and parts beyond the fifth are
// not shown. A missing or blank "Grid" is stored as "250" here and now, so
// that the frame keeps its edge even when the user leaves without applying.
CustomLogSetup OpenCustomLogSetup(settings::SettingsFile& settings);

// Stores every column and then "Grid", nothing checked: a heading typed with
// a comma is stored with it, and is read back as two parts.
void WriteCustomLogSetup(const CustomLogSetup& setup, settings::SettingsFile& settings);

}  // namespace tavrilon::logbook
