#include "settings/SettingsLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <system_error>

#include "files/RegularFile.h"
#include "files/ReplacingFile.h"

namespace tavrilon::settings {

namespace {
constexpr std::string_view kFileName = "tavrilon.ini";

// Relative folders in these variables are to be ignored, as unset.
bool IsAbsoluteFolder(const char* value) {
  return value != nullptr && std::filesystem::path(value).is_absolute();
}
// An installed program must not fall back to /usr/bin where HOME is unset
// (a service, `env -i`): the account's own home is the next best.
const char* HomeFolder() {
  if (const char* home = std::getenv("HOME")) {
    return home;
  }
  const passwd* account = ::getpwuid(::getuid());
  return account != nullptr ? account->pw_dir : nullptr;
}
}  // namespace

std::filesystem::path LocateSettingsFile(
    const std::filesystem::path& programFolder, const std::filesystem::path& dataFolder,
    const std::function<bool(const std::filesystem::path&)>& folderWritable,
    const char* xdgConfigHome, const char* home) {
  if (dataFolder == programFolder && folderWritable(programFolder)) {
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

SettingsPlace TakeOverSettingsFile(const std::filesystem::path& programFolder,
                                   const std::filesystem::path& chosen) {
  const std::filesystem::path old = programFolder / kFileName;
  std::error_code ec;
  if (chosen == old || std::filesystem::exists(chosen, ec) ||
      !std::filesystem::is_regular_file(old, ec)) {
    return {chosen, {}};
  }
  std::string reason;
  std::string bytes;
  if (files::ReadRegularFile(old, bytes, reason)) {
    std::filesystem::create_directories(chosen.parent_path(), ec);
    files::ReplacingFile copy(chosen);
    if (ec) {
      reason = "the folder " + chosen.parent_path().string() + " cannot be made: " + ec.message();
    } else if (copy.Open()) {
      copy.Write(bytes);
      if (copy.Commit(true)) {
        return {chosen, "The folder " + programFolder.string() +
                            " cannot be written, so your settings now live in " + chosen.string() +
                            ", copied from " + old.string() + "."};
      }
    }
    if (reason.empty()) {
      reason = copy.Failure();
    }
  }
  return {old, "Your settings in " + old.string() + " could not be copied to " + chosen.string() +
                   ": " + reason + "\nTavrilon reads them where they are, but cannot change them."};
}

SettingsPlace DefaultSettingsFile(const std::filesystem::path& programFolder,
                                  const std::filesystem::path& dataFolder) {
  const std::filesystem::path chosen = LocateSettingsFile(
      programFolder, dataFolder,
      [](const std::filesystem::path& folder) {
        return ::access(folder.c_str(), W_OK | X_OK) == 0;
      },
      std::getenv("XDG_CONFIG_HOME"), HomeFolder());
  return TakeOverSettingsFile(programFolder, chosen);
}

}  // namespace tavrilon::settings
