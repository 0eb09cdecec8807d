#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tavrilon::sheets {

// A paper size, in inches, portrait.
struct PaperSize {
  std::string name;  // "A4", "US-Letter", or a template's own id
  double width = 0;
  double height = 0;
};

// A label's top left corner, in inches from the page's.
struct LabelCorner {
  double left = 0;
  double top = 0;
};

// A sheet of adhesive labels in a regular grid. Lengths in inches.
struct LabelSheet {
  std::string name;            // the stock text as chosen ("5160", "L7162", "Custom 2")
  int across = 0;              // labels per row
  int down = 0;                // rows per sheet
  double horizontalPitch = 0;  // left edge of one label to the left edge of the next in the row
  double verticalPitch = 0;    // top edge of one row to the top edge of the next
  double topMargin = 0;        // top edge of the page to the top edge of the first row
  double leftMargin = 0;       // left edge of the page to the left edge of the first column
  // The label itself, which the pitch leaves a gap around; a sheet that does
  // not say has labels as large as the pitch.
  double labelWidth = 0;
  double labelHeight = 0;
  double cornerRadius = 0;
  std::optional<PaperSize> paper;  // none: whatever paper the printer holds
  // A sheet laid out in several grids: every label of a page, row by row down
  // the page, counted as one row of `across` labels. Empty for one grid.
  std::vector<LabelCorner> staggered;
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
