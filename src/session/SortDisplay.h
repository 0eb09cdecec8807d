#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrilon {

// The sort's own window, "QSL Sort", shown while a label run puts its log in
// order by call. The desktop program shows it; the console prints its texts.
class SortDisplay {
 public:
  virtual ~SortDisplay() = default;

  virtual void ShowSortWindow(bool visible) = 0;
  // The text goes to the sort window's status bar and the main status bar;
  // `done` of `total` to both progress bars.
  virtual void ShowSortProgress(std::string_view status, std::int64_t done, std::int64_t total) = 0;
  // A count as the user's locale writes it, with its digit grouping.
  virtual std::string GroupDigits(std::int64_t count) const = 0;
};

}  // namespace tavrilon
