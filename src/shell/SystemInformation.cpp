#include "shell/SystemInformation.h"

#include <array>

namespace tavrilon::shell {

std::optional<std::filesystem::path> FindSystemInformationProgram(
    std::string_view pathList, const std::function<bool(const std::filesystem::path&)>& isProgram) {
  static constexpr std::array<std::string_view, 4> kPrograms = {
      "hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"};
  for (std::string_view program : kPrograms) {
    std::size_t start = 0;
    while (start <= pathList.size()) {
      const std::size_t end = std::min(pathList.find(':', start), pathList.size());
      const std::string_view folder = pathList.substr(start, end - start);
      if (!folder.empty()) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / program;
        if (isProgram(candidate)) {
          return candidate;
        }
      }
      start = end + 1;
    }
  }
  return std::nullopt;
}

}  // namespace tavrilon::shell
