#include "settings/ProgramFolder.h"

#include <system_error>

namespace tavrilon::settings {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : executable.parent_path();
}

std::filesystem::path DataFolder(const std::filesystem::path& programFolder,
                                 std::string_view dictionaryFileName) {
  std::error_code ec;
  if (std::filesystem::exists(programFolder / dictionaryFileName, ec)) {
    return programFolder;
  }
  const std::filesystem::path shared = programFolder.parent_path() / "share" / "tavrilon";
  if (std::filesystem::exists(shared / dictionaryFileName, ec)) {
    return shared;
  }
  return programFolder;
}

}  // namespace tavrilon::settings
