#include "callbook/UsLicenceFiles.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "callbook/DatRecords.h"
#include "text/Text.h"

namespace tavrilon::callbook {

namespace {

struct ActiveLicence {
  std::uint32_t usi;
  std::uint32_t grantDay;
  bool operator<(const ActiveLicence& other) const { return usi < other.usi; }
};

// Fields of HD.dat and EN.dat, counted from 0.
constexpr std::size_t kHdUsi = 1;
constexpr std::size_t kHdStatus = 5;
constexpr std::size_t kHdGrantDate = 7;
constexpr std::size_t kEnCall = 4;
constexpr std::size_t kEnEntityType = 5;
constexpr std::size_t kEnEntityName = 7;
constexpr std::size_t kEnFirstName = 8;
constexpr std::size_t kEnMiddleInitial = 9;
constexpr std::size_t kEnLastName = 10;
constexpr std::size_t kEnSuffix = 11;
constexpr std::size_t kEnEmail = 14;
constexpr std::size_t kEnStreet = 15;
constexpr std::size_t kEnCity = 16;
constexpr std::size_t kEnState = 17;
constexpr std::size_t kEnZip = 18;
constexpr std::size_t kEnPoBox = 19;
constexpr std::size_t kEnAttention = 20;
constexpr std::size_t kEnApplicantType = 23;
// A current EN line has 30 fields, one written before 2021 27; fewer than 19
// leave no address.
constexpr std::size_t kEnFields = 30;
constexpr std::size_t kOldEnFields = 27;
constexpr std::size_t kLeastEnFields = 19;

std::optional<std::uint32_t> Usi(std::string_view text) {
  const std::optional<std::int64_t> usi = text::ParseWholeNumber(text);
  if (!usi || *usi < 0 || *usi > UINT32_MAX) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(*usi);
}

// mm/dd/yyyy as a number that orders dates (yyyymmdd); 0 for no date.
std::uint32_t DayNumber(std::string_view date) {
  if (date.size() != 10 || date[2] != '/' || date[5] != '/') {
    return 0;
  }
  const auto month = text::ParseWholeNumber(date.substr(0, 2));
  const auto day = text::ParseWholeNumber(date.substr(3, 2));
  const auto year = text::ParseWholeNumber(date.substr(6, 4));
  if (!month || !day || !year || *month < 0 || *day < 0 || *year < 0) {
    return 0;
  }
  return static_cast<std::uint32_t>(*year * 10000 + *month * 100 + *day);
}

std::optional<std::vector<ActiveLicence>> ReadActiveLicences(const std::filesystem::path& path,
                                                             ProgressMeter& meter,
                                                             std::string& failure) {
  DatRecords records(meter);
  if (!records.Open(path, failure)) {
    return std::nullopt;
  }
  std::vector<ActiveLicence> active;
  std::string record;
  while (records.Next(record)) {
    const std::vector<std::string_view> fields = text::SplitAtMost(record, '|', kHdGrantDate + 2);
    if (fields.size() <= kHdGrantDate || fields[0] != "HD" ||
        text::TrimBlanks(fields[kHdStatus]) != "A") {
      continue;
    }
    if (const auto usi = Usi(fields[kHdUsi])) {
      active.push_back({*usi, DayNumber(text::TrimBlanks(fields[kHdGrantDate]))});
    }
  }
  if (!records.Error().empty()) {
    failure = records.Error();
    return std::nullopt;
  }
  std::sort(active.begin(), active.end());
  return active;
}

// The fields of an EN record with a value that held `extra` stray "|" put
// back together: it starts at piece `joinedAt` and takes the ones after it.
class EnFields {
 public:
  EnFields(const std::vector<std::string_view>& pieces, std::size_t joinedAt, std::size_t extra)
      : pieces_(pieces), joinedAt_(joinedAt), extra_(extra) {}

  // Trimmed; empty past the last field.
  std::string_view operator[](std::size_t i) const {
    if (extra_ > 0 && i == joinedAt_) {
      const std::string_view last = pieces_[i + extra_];
      return text::TrimBlanks(std::string_view(
          pieces_[i].data(),
          static_cast<std::size_t>(last.data() + last.size() - pieces_[i].data())));
    }
    const std::size_t piece = extra_ > 0 && i > joinedAt_ ? i + extra_ : i;
    return piece < pieces_.size() ? text::TrimBlanks(pieces_[piece]) : std::string_view();
  }

 private:
  const std::vector<std::string_view>& pieces_;
  std::size_t joinedAt_;
  std::size_t extra_;
};

bool AllLetters(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// The fields that hold short codes, an e-mail address or nothing hold what
// they should.
bool Plausible(const EnFields& fields) {
  const std::string_view state = fields[kEnState];
  const std::string_view email = fields[kEnEmail];
  return fields[kEnMiddleInitial].size() <= 1 && fields[kEnSuffix].size() <= 3 &&
         (email.empty() || email.find('@') != std::string_view::npos) &&
         (state.empty() || (state.size() == 2 && AllLetters(state))) &&
         (fields[kEnZip].empty() || text::IsDigits(fields[kEnZip])) &&
         fields[kEnApplicantType].size() <= 1;
}

// A "|" typed into a value is written as it is and adds a field; it is put
// back into the first text field after which the other fields fit.
EnFields Rejoined(const std::vector<std::string_view>& pieces) {
  const std::size_t n = pieces.size();
  const std::size_t extra = n > kEnFields                       ? n - kEnFields
                            : n > kOldEnFields && n < kEnFields ? n - kOldEnFields
                                                                : 0;
  if (extra > 0) {
    for (const std::size_t at : {kEnEntityName, kEnStreet, kEnCity, kEnAttention}) {
      const EnFields fields(pieces, at, extra);
      if (Plausible(fields)) {
        return fields;
      }
    }
  }
  return EnFields(pieces, 0, 0);
}

// The USI of an EN record, read without splitting it: most records are of
// licences no longer active and need nothing more.
std::optional<std::uint32_t> RecordUsi(std::string_view record) {
  if (!record.starts_with("EN|")) {
    return std::nullopt;
  }
  record.remove_prefix(3);
  return Usi(record.substr(0, record.find('|')));
}

}  // namespace

bool ReadUsLicences(const std::filesystem::path& entities, const std::filesystem::path& headers,
                    ProgressMeter& meter, StationList& stations, std::string& failure) {
  const std::optional<std::vector<ActiveLicence>> active =
      ReadActiveLicences(headers, meter, failure);
  if (!active) {
    return false;
  }
  DatRecords records(meter);
  if (!records.Open(entities, failure)) {
    return false;
  }
  std::string record;
  std::string name;
  std::string street;
  while (records.Next(record)) {
    const std::optional<std::uint32_t> usi = RecordUsi(record);
    if (!usi) {
      continue;
    }
    const auto licence = std::lower_bound(active->begin(), active->end(), ActiveLicence{*usi, 0});
    if (licence == active->end() || licence->usi != *usi) {
      continue;
    }
    const std::vector<std::string_view> pieces = text::Split(record, '|');
    if (pieces.size() < kLeastEnFields) {
      continue;
    }
    const EnFields fields = Rejoined(pieces);
    const std::string_view entityType = fields[kEnEntityType];
    if (!entityType.empty() && entityType != "L") {
      continue;
    }
    name.clear();
    if (fields[kEnApplicantType] == "I") {
      for (const std::size_t part : {kEnFirstName, kEnMiddleInitial, kEnLastName, kEnSuffix}) {
        AppendWord(fields[part], name);
      }
    }
    if (name.empty() || (fields[kEnFirstName].empty() && fields[kEnLastName].empty())) {
      name = fields[kEnEntityName];
    }
    street = fields[kEnStreet];
    if (street.empty() && !fields[kEnPoBox].empty()) {
      street = "PO BOX ";
      street.append(fields[kEnPoBox]);
    }
    stations.Add({fields[kEnCall], name, street, fields[kEnCity], fields[kEnState], fields[kEnZip],
                  fields[kEnAttention]},
                 kPublicListRank + licence->grantDay);
  }
  if (!records.Error().empty()) {
    failure = records.Error();
    return false;
  }
  return true;
}

}  // namespace tavrilon::callbook
