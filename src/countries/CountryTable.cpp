#include "countries/CountryTable.h"

#include <algorithm>
#include <tuple>

#include "countries/CallParts.h"
#include "text/Text.h"

namespace tavrilon::countries {

const Country* CountryTable::Find(std::string_view call) const {
  const std::string key = text::AsciiUpper(text::TrimBlanks(call));
  if (key.find('/') == std::string::npos) {
    return ByCall(key);
  }
  if (const auto exact = exact_.find(key); exact != exact_.end()) {
    return &countries_[exact->second];
  }
  if (const std::optional<std::string> moved = MovedToArea(key)) {
    return ByCall(*moved);
  }
  const auto parts = CountryParts(key);
  if (!parts || parts->empty()) {
    return nullptr;
  }
  return ByCall(CountryPart(*parts));
}

const Country* CountryTable::ByCall(std::string_view call) const {
  if (const auto exact = exact_.find(std::string(call)); exact != exact_.end()) {
    return &countries_[exact->second];
  }
  return ByPrefix(call);
}

const Country* CountryTable::ByPrefix(std::string_view call) const {
  for (std::size_t length = std::min(call.size(), longestPrefix_); length > 0; --length) {
    if (const auto found = prefixes_.find(std::string(call.substr(0, length)));
        found != prefixes_.end()) {
      return &countries_[found->second];
    }
  }
  return nullptr;
}

// A part that is a prefix of the file as it stands names the country (F/W1AW,
// W1AW/KH6), else one that ends in a digit as prefixes do (VE3/W1AW), else the
// shorter part; on a tie the first, where a country is commonly written.
std::string_view CountryTable::CountryPart(const std::vector<std::string_view>& parts) const {
  const auto rank = [this](std::string_view part) {
    const bool prefix = prefixes_.contains(std::string(part));
    const bool endsInDigit = part.back() >= '0' && part.back() <= '9';
    return std::tuple(!prefix, !endsInDigit, part.size());
  };
  return *std::min_element(parts.begin(), parts.end(),
                           [&rank](auto a, auto b) { return rank(a) < rank(b); });
}

}  // namespace tavrilon::countries
