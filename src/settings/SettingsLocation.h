#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace tavrilon::settings {

// The settings file lives beside the program; where the program's folder may
// not be written, or the program is installed (its data folder is not its
// own folder, and root may write /usr/bin), in the user's configuration
// folder. `xdgConfigHome` and `home` are the environment's values, null when
// unset.
std::filesystem::path LocateSettingsFile(
    const std::filesystem::path& programFolder, const std::filesystem::path& dataFolder,
    const std::function<bool(const std::filesystem::path&)>& folderWritable,
    const char* xdgConfigHome, const char* home);

// Where the settings live, and what the user must be told about it once.
struct SettingsPlace {
  std::filesystem::path file;
  std::string notice;
};

// The settings file `chosen` in place of the program folder's one: when the
// program's folder holds a settings file and `chosen` does not exist yet,
// `chosen` starts as a copy of it, so the stored call and choices go on;
// when that copy cannot be made, the program folder's file stays in use.
SettingsPlace TakeOverSettingsFile(const std::filesystem::path& programFolder,
                                   const std::filesystem::path& chosen);

// The same from this process's environment.
SettingsPlace DefaultSettingsFile(const std::filesystem::path& programFolder,
                                  const std::filesystem::path& dataFolder);

}  // namespace tavrilon::settings
