#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "adif/FieldTable.h"
#include "logbook/LogLayout.h"
#include "settings/SettingsFile.h"

namespace tavrilon::logbook {

// One column of the logbook: which field, where its values and heading
// start (mm), and how many characters of a value are printed. An empty
// field prints no values, though its heading is still printed.
struct LogColumn {
  std::string AdifField;
  double DataLeft = 0;
  std::string Heading;
  double HeadingLeft = 0;
  std::size_t Length = 0;
};

// The column table shared by the printed logbook and the HTML page: rows 0
// to 20 are laid out, in order.
class ColumnTable {
 public:
  static constexpr std::size_t kRows = 23;
  static constexpr std::size_t kLaidOut = 21;
  static constexpr double kDefaultGridRight = 240;

  void LoadDefaultColumns();
  // "Custom Log": "Grid" and "column1" to "column21", each
  // "field,data left,heading,heading left,length".
  void LoadCustomColumns(settings::SettingsFile& settings);
  void LoadColumnsFor(LogLayout layout, settings::SettingsFile& settings);

  const LogColumn& Row(std::size_t row) const { return rows_.at(row); }
  // Changes with every load.
  std::uint64_t Generation() const { return generation_; }
  double GridRight() const { return gridRight_; }

 private:
  std::array<LogColumn, kRows> rows_;
  double gridRight_ = kDefaultGridRight;
  std::uint64_t generation_ = 0;
};

// The field table slots of the columns' fields (0 for a column without a
// field), looked up again only when the columns or the dictionary were
// loaded anew: a million contacts would look each name up a million times.
using ColumnSlots = std::array<std::size_t, ColumnTable::kLaidOut>;
class ColumnSlotCache {
 public:
  const ColumnSlots& For(const ColumnTable& columns, const adif::FieldTable& fields);

 private:
  ColumnSlots slots_{};
  std::uint64_t columnsGeneration_ = 0;
  std::uint64_t fieldsGeneration_ = 0;
  bool found_ = false;
};

}  // namespace tavrilon::logbook
