#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace tavrilon::sheets {

// A sheet of adhesive labels in a regular grid. Lengths in inches.
struct LabelSheet {
  std::string name;            // the stock text as chosen ("5160", "L7162", "Custom 2")
  int across = 0;              // labels per row
  int down = 0;                // rows per sheet
  double horizontalPitch = 0;  // left edge of one label to the left edge of the next in the row
  double verticalPitch = 0;    // top edge of one row to the top edge of the next
  double topMargin = 0;        // top edge of the page to the top edge of the first row
  double leftMargin = 0;       // left edge of the page to the left edge of the first column
};

// The label the next print goes to, numbered from 1; labels are used across
// the first row, then the next row down.
struct LabelPosition {
  std::int16_t column = 1;
  std::int16_t row = 1;
};

// The largest label number in a row or a column, and so the most labels a
// run may skip or print blank at once.
inline constexpr int kMostLabelPosition = std::numeric_limits<std::int16_t>::max();

// The extra room a label printer leaves below each printed line, in inches.
constexpr double LineGap(double points) {
  return points * 0.0005;
}

}  // namespace tavrilon::sheets
