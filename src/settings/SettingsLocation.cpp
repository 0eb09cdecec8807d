#include "settings/SettingsLocation.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace tavrilon::settings {

namespace {
constexpr std::string_view kFileName = "tavrilon.ini";

// Relative folders in these variables are to be ignored, as unset.
bool IsAbsoluteFolder(const char* value) {
  return value != nullptr && std::filesystem::path(value).is_absolute();
}
}  // namespace

std::filesystem::path LocateSettingsFile(
    const std::filesystem::path& programFolder,
    const std::function<bool(const std::filesystem::path&)>& folderWritable,
    const char* xdgConfigHome, const char* home) {
  if (folderWritable(programFolder)) {
    return programFolder / kFileName;
  }
  if (IsAbsoluteFolder(xdgConfigHome)) {
    return std::filesystem::path(xdgConfigHome) / "tavrilon" / kFileName;
  }
  if (IsAbsoluteFolder(home)) {
    return std::filesystem::path(home) / ".config" / "tavrilon" / kFileName;
  }
  // Nowhere better: the first write will fail and say why.
  return programFolder / kFileName;
}

std::filesystem::path DefaultSettingsFile(const std::filesystem::path& programFolder) {
  std::filesystem::path file = LocateSettingsFile(
      programFolder,
      [](const std::filesystem::path& folder) {
        return ::access(folder.c_str(), W_OK | X_OK) == 0;
      },
      std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (file.parent_path() != programFolder) {
    std::error_code ec;  // a folder that cannot be made shows at the first write
    std::filesystem::create_directories(file.parent_path(), ec);
  }
  return file;
}

}  // namespace tavrilon::settings
