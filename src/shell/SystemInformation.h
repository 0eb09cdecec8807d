#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace tavrilon::shell {

// The first system information program found on the search path `pathList`
// (colon-separated, as $PATH); `isProgram` tells whether a path is an
// executable file.
std::optional<std::filesystem::path> FindSystemInformationProgram(
    std::string_view pathList, const std::function<bool(const std::filesystem::path&)>& isProgram);

inline constexpr std::string_view kSystemInformationUnavailable =
    "System Information Is Unavailable At This Time";

}  // namespace tavrilon::shell
