#include "callbook/CanadaList.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "text/Text.h"

namespace tavrilon::callbook {

namespace {

enum Column : std::size_t {
  kCall,
  kFirstName,
  kSurname,
  kAddress,
  kCity,
  kProvince,
  kPostalCode,
  kClubName,
  kClubName2,
  kClubAddress,
  kClubCity,
  kClubProvince,
  kClubPostalCode,
  kColumnCount
};

constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "callsign",  "first_name",   "surname",         "address_line", "city",
    "prov_cd",   "postal_code",  "club_name",       "club_name_2",  "club_address",
    "club_city", "club_prov_cd", "club_postal_code"};

constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// Where each column stands, by the names in the first line.
std::array<std::size_t, kColumnCount> ColumnPlaces(std::string_view header) {
  std::array<std::size_t, kColumnCount> places{};
  places.fill(kNoColumn);
  const std::vector<std::string_view> names = text::Split(header, ';');
  for (std::size_t i = 0; i < names.size(); ++i) {
    for (std::size_t c = 0; c < kColumnCount; ++c) {
      if (text::EqualsIgnoringCase(text::TrimBlanks(names[i]), kColumnNames[c])) {
        places[c] = i;
      }
    }
  }
  return places;
}

}  // namespace

bool ReadCanadaList(const std::filesystem::path& path, ProgressMeter& meter, StationList& stations,
                    std::string& failure) {
  MeteredLines reader(meter);
  if (!reader.Open(path, failure)) {
    return false;
  }
  std::string line;
  reader.ReadLine(line);
  const std::array<std::size_t, kColumnCount> places = ColumnPlaces(line);
  if (!reader.Failed() && places[kCall] == kNoColumn) {
    failure = path.string() + ": its first line names no \"callsign\" column.";
    return false;
  }
  std::string name;
  while (reader.ReadLine(line)) {
    const std::vector<std::string_view> values = text::Split(line, ';');
    const auto value = [&values, &places](Column column) {
      const std::size_t at = places[column];
      return at < values.size() ? text::TrimBlanks(values[at]) : std::string_view();
    };
    name.clear();
    AppendWord(value(kFirstName), name);
    AppendWord(value(kSurname), name);
    if (name.empty() && !value(kClubName).empty()) {
      AppendWord(value(kClubName), name);
      AppendWord(value(kClubName2), name);
      stations.Add({value(kCall), name, value(kClubAddress), value(kClubCity), value(kClubProvince),
                    value(kClubPostalCode)},
                   kPublicListRank);
    } else {
      stations.Add(
          {value(kCall), name, value(kAddress), value(kCity), value(kProvince), value(kPostalCode)},
          kPublicListRank);
    }
  }
  if (reader.Failed()) {
    failure = reader.Error();
    return false;
  }
  return true;
}

}  // namespace tavrilon::callbook
