#pragma once

#include <filesystem>
#include <functional>

namespace tavrilon::settings {

// The settings file lives beside the program; where the program's folder may
// not be written (an installed program), in the user's configuration folder.
// `xdgConfigHome` and `home` are the environment's values, null when unset.
std::filesystem::path LocateSettingsFile(
    const std::filesystem::path& programFolder,
    const std::function<bool(const std::filesystem::path&)>& folderWritable,
    const char* xdgConfigHome, const char* home);

// The same from this process's environment; makes the configuration folder
// when it is the one chosen.
std::filesystem::path DefaultSettingsFile(const std::filesystem::path& programFolder);

}  // namespace tavrilon::settings
