#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "adif/FieldTable.h"
#include "text/Text.h"

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

// A log as a logger that follows the declared lengths reads it: per record,
// its fields as "NAME=value", the name in capitals. Text before <EOH> is the
// header, unless the log begins with "<".
inline std::vector<std::vector<std::string>> FieldsByLength(std::string_view log) {
  std::vector<std::vector<std::string>> records(1);
  const std::size_t eoh = text::AsciiUpper(log).find("<EOH>");
  std::size_t at = log.starts_with('<') || eoh == std::string_view::npos ? 0 : eoh + 5;
  for (std::size_t lt = log.find('<', at); lt != std::string_view::npos; lt = log.find('<', at)) {
    const std::size_t gt = log.find('>', lt);
    if (gt == std::string_view::npos) {
      break;
    }
    const std::string tag(log.substr(lt + 1, gt - lt - 1));
    const std::size_t colon = tag.find(':');
    at = gt + 1;
    if (colon != std::string::npos) {
      const std::size_t length = std::strtoul(tag.c_str() + colon + 1, nullptr, 10);
      records.back().push_back(text::AsciiUpper(tag.substr(0, colon)) + "=" +
                               std::string(log.substr(at, length)));
      at = std::min(at + length, log.size());
    } else if (text::AsciiUpper(tag) == "EOR") {
      records.emplace_back();
    }
  }
  records.pop_back();  // what follows the last <EOR>
  return records;
}

}  // namespace tavrilon::adif::test
