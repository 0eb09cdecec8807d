#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavrilon::countries {

// Where Debian's hamradio-files puts the country file.
inline constexpr std::string_view kSystemCountryFile = "/usr/share/hamradio-files/cty.dat";

// A DXCC entity of the country file.
struct Country {
  std::string name;           // "Fed. Rep. of Germany"
  std::string primaryPrefix;  // "DL": bureau order sorts countries by it
};

// The country file, read: which entity a call belongs to.
class CountryTable {
 public:
  // The entity of `call` (trimmed, any case): the whole call as an exact
  // entry first, then a portable call by its country part, then the longest
  // prefix. Nothing when no prefix matches, or for a maritime or
  // aeronautical mobile ("/MM", "/AM"), which has no entity.
  const Country* Find(std::string_view call) const;

  std::size_t Size() const { return countries_.size(); }
  const Country& At(std::size_t index) const { return countries_[index]; }

 private:
  friend struct CountryTableBuilder;
  // `call` in capitals as an exact entry, then by its longest prefix.
  const Country* ByCall(std::string_view call) const;
  const Country* ByPrefix(std::string_view call) const;
  // Which of a portable call's parts (see CountryParts) names its country.
  std::string_view CountryPart(const std::vector<std::string_view>& parts) const;

  std::vector<Country> countries_;
  std::unordered_map<std::string, std::size_t> prefixes_;  // in capitals
  std::unordered_map<std::string, std::size_t> exact_;     // whole calls, in capitals
  std::size_t longestPrefix_ = 0;
};

struct CountryFileLoad {
  std::optional<CountryTable> table;
  std::string failure;  // names the file and says why it could not be used
};

// Reads a country file (cty.dat). Entities whose primary prefix begins with
// "*" count for other award lists, not DXCC, and are left out.
CountryFileLoad LoadCountryFile(const std::filesystem::path& file);
// The same from the file's text; `fileName` names it in the failure.
CountryFileLoad ParseCountryFile(std::string_view text, const std::string& fileName);

}  // namespace tavrilon::countries
