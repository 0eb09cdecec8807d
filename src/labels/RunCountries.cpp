#include "labels/RunCountries.h"

#include <system_error>

namespace tavrilon::labels {

std::string CountryFileMissingText() {
  return "Bureau order sorts the cards by the country of the station they go to, which "
         "Tavrilon finds in the country file cty.dat, and " +
         std::string(countries::kSystemCountryFile) +
         " is not there. Install it with \"sudo apt install hamradio-files\", or choose "
         "another cty.dat with the \"Country File...\" button (CountryFile under [QSL Labels] "
         "in tavrilon.ini).";
}

const countries::CountryTable* RunCountries::Load(const std::string& file, CountryNeed need,
                                                  std::string& failure) {
  const std::filesystem::path path = file.empty()
                                         ? std::filesystem::path(countries::kSystemCountryFile)
                                         : std::filesystem::path(file);
  std::error_code error;
  const std::filesystem::file_time_type time = std::filesystem::last_write_time(path, error);
  const std::uintmax_t size = error ? 0 : std::filesystem::file_size(path, error);
  if (table_ && !error && path == path_ && time == time_ && size == size_) {
    return &*table_;
  }
  table_.reset();
  if (file.empty() && !std::filesystem::exists(path, error)) {
    if (need == CountryNeed::Bureau) {
      failure = CountryFileMissingText();
    }
    return nullptr;
  }
  countries::CountryFileLoad loaded = countries::LoadCountryFile(path);
  if (!loaded.table) {
    if (need == CountryNeed::Bureau) {
      failure = std::move(loaded.failure);
    }
    return nullptr;
  }
  table_ = std::move(loaded.table);
  path_ = path;
  time_ = time;
  size_ = size;
  return &*table_;
}

}  // namespace tavrilon::labels
