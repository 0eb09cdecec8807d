#pragma once

#include <string_view>

namespace tavrilon::logbook {

// The columns of the printed logbook and the HTML page.
enum class LogLayout { Default, Custom };

// The stored choice ("Log"/"LogLayOut"): exactly "DEFAULT" is the default
// layout, anything else the custom one.
constexpr LogLayout LogLayoutOf(std::string_view stored) {
  return stored == "DEFAULT" ? LogLayout::Default : LogLayout::Custom;
}
constexpr std::string_view StoredLogLayout(LogLayout layout) {
  return layout == LogLayout::Default ? "DEFAULT" : "CUSTOM";
}

}  // namespace tavrilon::logbook
