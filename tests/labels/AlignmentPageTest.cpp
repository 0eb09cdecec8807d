#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "labels/AlignmentPage.h"
#include "print/RecordingSurface.h"

namespace tavrilon::labels {
namespace {

using print::RecordingSurface;

constexpr double kMm = 1 / 25.4;

// A staggered sheet: the second row's label sits between the first row's.
// Each label's corner gets its rulers (a full one is 12 mm across, centred on
// the corner) and its outline; the title stays on the first label, smaller
// on a small one.
TEST(AlignmentPageTest, EveryLabelOfAStaggeredSheetIsMarkedAndTheTitleStaysOnTheFirst) {
  for (const double width : {2.5, 1.6}) {
    const sheets::LabelSheet sheet{.name = "Stagger",
                                   .across = 3,
                                   .down = 1,
                                   .labelWidth = width,
                                   .labelHeight = 0.8,
                                   .paper = {},
                                   .staggered = {{0.5, 0.5}, {2.75, 0.5}, {1.6, 1.5}}};
    RecordingSurface surface;
    DrawAlignmentPage(surface, sheet, "Office printer");
    std::string corners;
    int outlineLines = 0;
    for (const auto& op : surface.operations) {
      if (op.kind == RecordingSurface::Kind::Line && op.colour != print::kBlack) {
        ++outlineLines;
      } else if (op.kind == RecordingSurface::Kind::Line && op.y == op.y2 &&
                 std::abs(op.x2 - op.x - 12 * kMm) < 1e-9) {
        corners += std::to_string(op.x + 6 * kMm).substr(0, 4) + "," +
                   std::to_string(op.y).substr(0, 4) + " ";
      }
    }
    EXPECT_EQ(corners, "0.50,0.50 2.75,0.50 1.60,1.50 ") << width;
    EXPECT_EQ(outlineLines, 3 * 4) << width;
    int titleLines = 0;
    for (const auto* text : surface.Texts()) {
      if (text->text.find_first_not_of("-0123456789") == std::string::npos) {
        continue;  // a ruler's number
      }
      ++titleLines;
      const double points = text->font.points / 72;
      EXPECT_GE(text->x, 0.5) << text->text;
      EXPECT_LE(text->x + 0.6 * points * static_cast<double>(text->text.size()), 0.5 + width)
          << text->text;
      EXPECT_LE(text->y + 1.2 * points, 1.3) << text->text;
    }
    EXPECT_EQ(titleLines, 3) << width;
  }
}

}  // namespace
}  // namespace tavrilon::labels
