#include "callbook/DatRecords.h"

#include <string_view>

namespace tavrilon::callbook {

namespace {

bool StartsRecord(std::string_view line) {
  return line.starts_with("EN|") || line.starts_with("HD|");
}

}  // namespace

bool DatRecords::Open(const std::filesystem::path& path, std::string& error) {
  hasPending_ = false;
  return lines_.Open(path, error);
}

bool DatRecords::Next(std::string& record) {
  while (lines_.ReadLine(line_)) {
    if (line_.empty()) {
      continue;
    }
    if (StartsRecord(line_)) {
      const bool had = hasPending_;
      pending_.swap(line_);
      hasPending_ = true;
      if (had) {
        record.swap(line_);  // the record before, now whole
        return true;
      }
    } else if (hasPending_) {
      pending_.append(1, ' ').append(line_);
    }
  }
  if (!hasPending_ || lines_.Failed()) {
    return false;
  }
  record.swap(pending_);
  hasPending_ = false;
  return true;
}

}  // namespace tavrilon::callbook
