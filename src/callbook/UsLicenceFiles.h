#pragma once

#include <filesystem>
#include <string>

#include "callbook/ProgressMeter.h"
#include "callbook/StationList.h"

namespace tavrilon::callbook {

// Adds to `stations` the licensees of the active licences in the US licence
// files: HD.dat says which licences are active, EN.dat gives their holders.
// False with `failure` saying which file and why when one cannot be read.
bool ReadUsLicences(const std::filesystem::path& entities, const std::filesystem::path& headers,
                    ProgressMeter& meter, StationList& stations, std::string& failure);

}  // namespace tavrilon::callbook
