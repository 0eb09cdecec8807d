#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "sheets/SheetDatabase.h"

namespace tavrilon::sheets {

// The folders of template files, read in this order so that a later one's
// sheet replaces an earlier one's of the same brand and part: the system's
// databases, the user's own templates under `home`, then `settingsFolder`
// when the settings name one.
std::vector<std::filesystem::path> TemplateFolders(const std::filesystem::path& home,
                                                   std::string_view settingsFolder);

struct TemplateFoldersRead {
  SheetDatabase database;
  std::vector<std::string> skipped;  // "FILE: reason", one per file not read
};

// Every template file in `folders` (a folder that is not there is passed over).
TemplateFoldersRead ReadTemplateFolders(const std::vector<std::filesystem::path>& folders);

}  // namespace tavrilon::sheets
