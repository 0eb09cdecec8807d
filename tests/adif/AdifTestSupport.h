#pragma once

#include "adif/FieldTable.h"

namespace tavrilon::adif::test {

// A table loaded with `names` (line 1 first), standard slots computed.
inline FieldTable TableOf(std::initializer_list<std::string_view> names) {
  FieldTable table;
  std::vector<std::string> lines(names.begin(), names.end());
  table.LoadNames(lines);
  table.ComputeStandardFieldSlots();
  return table;
}

inline std::string_view ValueOf(const FieldTable& table, std::string_view name) {
  return table.Value(table.FindFieldSlot(name));
}

}  // namespace tavrilon::adif::test
