#pragma once

#include <filesystem>
#include <string>

#include "callbook/ProgressMeter.h"

namespace tavrilon::callbook {

// The records of a US licence file (EN.dat, HD.dat): one a line, but a value
// may hold a line break, so a line that starts no record ("EN|", "HD|")
// belongs to the record before it.
class DatRecords {
 public:
  explicit DatRecords(ProgressMeter& meter) : lines_(meter) {}

  // False with `error` saying which file and why when it cannot be read.
  bool Open(const std::filesystem::path& path, std::string& error);
  // False at the end, or when reading failed (Error() is then set).
  bool Next(std::string& record);
  const std::string& Error() const { return lines_.Error(); }

 private:
  MeteredLines lines_;
  std::string line_;
  std::string pending_;
  bool hasPending_ = false;
};

}  // namespace tavrilon::callbook
