#include "logbook/LogColumns.h"

#include "text/Text.h"

namespace tavrilon::logbook {

namespace {

// Positions and lengths are typed by the user; what is not a number counts
// as 0, as an empty one does.
double Number(std::string_view text) {
  return text::ParseNumber(text).value_or(0);
}

std::size_t WholeNumber(std::string_view text) {
  const auto value = text::ParseWholeNumber(text);
  return value && *value > 0 ? static_cast<std::size_t>(*value) : 0;
}

}  // namespace

void ColumnTable::LoadDefaultColumns() {
  ++generation_;
  rows_ = {};
  const LogColumn columns[] = {
      {"QSO_DATE", 11, "DATE", 11, 11},      {"TIME_ON", 31, "TIME", 31, 5},
      {"CALL", 41, "CALL", 41, 13},          {"OPERATOR", 61, "OPERATOR", 61, 8},
      {"RST_SENT", 88, "H/RST", 86, 3},      {"RST_RCVD", 98, "M/RST", 96, 3},
      {"FREQ", 106, "FREQ", 106, 9},         {"MODE", 122, "MODE", 120, 6},
      {"TX_PWR", 131, "POWER", 131, 4},      {"TIME_OFF", 147, "END TIME", 145, 5},
      {"COMMENT", 161, "COMMENTS", 161, 30}, {"QSL_SENT", 222, "SENT", 220, 1},
      {"QSL_RCVD", 232, "RECD", 230, 1},
  };
  std::copy(std::begin(columns), std::end(columns), rows_.begin());
  gridRight_ = kDefaultGridRight;
}

void ColumnTable::LoadColumnsFor(LogLayout layout, settings::SettingsFile& settings) {
  if (layout == LogLayout::Custom) {
    LoadCustomColumns(settings);
  } else {
    LoadDefaultColumns();
  }
}

void ColumnTable::LoadCustomColumns(settings::SettingsFile& settings) {
  ++generation_;
  rows_ = {};
  gridRight_ =
      text::ParseNumber(settings.ReadSetting(settings::kCustomLogGrid, "250")).value_or(250);
  for (std::size_t row = 0; row < kLaidOut; ++row) {
    const std::string value =
        settings.ReadSetting(settings::CustomLogColumnKey(static_cast<int>(row) + 1), "");
    if (value.empty()) {
      continue;
    }
    const auto parts = text::Split(value, ',');
    const auto part = [&parts](std::size_t i) {
      return i < parts.size() ? parts[i] : std::string_view();
    };
    // A field of blanks is no field: it would print the catch-all slot.
    rows_[row] = {std::string(text::TrimBlanks(part(0))), Number(part(1)), std::string(part(2)),
                  Number(part(3)), WholeNumber(part(4))};
  }
}

const ColumnSlots& ColumnSlotCache::For(const ColumnTable& columns,
                                        const adif::FieldTable& fields) {
  if (!found_ || columnsGeneration_ != columns.Generation() ||
      fieldsGeneration_ != fields.Generation()) {
    for (std::size_t row = 0; row < ColumnTable::kLaidOut; ++row) {
      const std::string& field = columns.Row(row).AdifField;
      slots_[row] = field.empty() ? 0 : fields.FindFieldSlot(field);
    }
    columnsGeneration_ = columns.Generation();
    fieldsGeneration_ = fields.Generation();
    found_ = true;
  }
  return slots_;
}

}  // namespace tavrilon::logbook
