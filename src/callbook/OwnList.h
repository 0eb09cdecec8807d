#pragma once

#include <filesystem>
#include <string>

#include "callbook/ProgressMeter.h"
#include "callbook/StationList.h"

namespace tavrilon::callbook {

// Adds to `stations` the user's own list, callbook.csv: a header line, then
// call, name, street, town, state and postal code in that order, quoted as
// CSV is (RFC 4180). Its stations win over those of the public lists. False
// with `failure` saying which file and why when it cannot be read.
bool ReadOwnList(const std::filesystem::path& path, ProgressMeter& meter, StationList& stations,
                 std::string& failure);

}  // namespace tavrilon::callbook
