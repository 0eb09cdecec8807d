#include "settings/ProgramFolder.h"

#include <system_error>

namespace tavrilon::settings {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : executable.parent_path();
}

}  // namespace tavrilon::settings
