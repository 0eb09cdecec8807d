#pragma once

#include <filesystem>
#include <string_view>

namespace tavrilon::settings {

// The folder of the running executable; empty (the current folder) when the
// system does not tell.
std::filesystem::path ProgramFolder();

// The folder of the dictionary and the help document: the program's own in a
// build, `../share/tavrilon` when installed, told apart by where the
// dictionary is. When neither holds it, the program's folder, so that the
// message names the file a build expects.
std::filesystem::path DataFolder(const std::filesystem::path& programFolder,
                                 std::string_view dictionaryFileName);

}  // namespace tavrilon::settings
