#pragma once

#include <filesystem>
#include <string>

#include "callbook/ProgressMeter.h"
#include "callbook/StationList.h"

namespace tavrilon::callbook {

// Adds to `stations` Canada's amateur list (amateur_delim.txt: ";" between
// fields, the columns named in its first line). False with `failure` saying
// which file and why when it cannot be read.
bool ReadCanadaList(const std::filesystem::path& path, ProgressMeter& meter, StationList& stations,
                    std::string& failure);

}  // namespace tavrilon::callbook
