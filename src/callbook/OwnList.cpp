#include "callbook/OwnList.h"

#include <string_view>
#include <vector>

#include "text/Text.h"

namespace tavrilon::callbook {

namespace {

// The values of a CSV record; false when a quoted value is still open at
// the end of `line`, whose next line then belongs to it.
bool CsvValues(std::string_view line, std::vector<std::string>& values) {
  values.assign(1, std::string());
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      values.back().push_back('"');
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      values.emplace_back();
    } else {
      values.back().push_back(c);
    }
  }
  return !quoted;
}

}  // namespace

bool ReadOwnList(const std::filesystem::path& path, ProgressMeter& meter, StationList& stations,
                 std::string& failure) {
  MeteredLines reader(meter);
  if (!reader.Open(path, failure)) {
    return false;
  }
  std::string record;
  std::string line;
  std::vector<std::string> values;
  bool header = true;
  while (reader.ReadLine(line)) {
    if (!record.empty()) {
      record.push_back(' ');  // a line break within quotes: each value is one line of a label
    }
    record.append(line);
    if (!CsvValues(record, values)) {
      continue;
    }
    values.resize(6);
    if (!header) {
      stations.Add({values[0], values[1], values[2], values[3], values[4], values[5]},
                   kOwnListRank);
    }
    header = false;
    record.clear();
  }
  if (reader.Failed()) {
    failure = reader.Error();
    return false;
  }
  return true;
}

}  // namespace tavrilon::callbook
