#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "countries/CountryTable.h"

namespace tavrilon::labels {

// What a run needs of the country file.
enum class CountryNeed {
  Summary,  // the countries counted after the run: a missing file only leaves them out
  Bureau,   // bureau order: nothing is printed without the file
};

// The country file the label runs use, read once and kept from one run to
// the next while it is unchanged on disk.
class RunCountries {
 public:
  // The table of `file` (empty: the system's). Nothing when it cannot be
  // read; for bureau order `failure` then says why and where to get it.
  const countries::CountryTable* Load(const std::string& file, CountryNeed need,
                                      std::string& failure);

 private:
  std::filesystem::path path_;
  std::filesystem::file_time_type time_{};
  std::uintmax_t size_ = 0;
  std::optional<countries::CountryTable> table_;
};

// Why bureau order cannot print without the system's country file, and where
// to get it.
std::string CountryFileMissingText();

}  // namespace tavrilon::labels
