#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "labels/AlignmentPage.h"
#include "print/RecordingSurface.h"

namespace tavrilon::labels {
namespace {

using print::RecordingSurface;

// A staggered sheet, the second row's label between the first row's: each
// corner gets its full rulers (12 mm across, centred on it) and its label an
// outline; the title stays on the first label, smaller on a narrow one.
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
      } else if (op.kind == RecordingSurface::Kind::Line &&
                 std::abs(op.x2 - op.x - 12 / 25.4) < 1e-9) {
        corners += std::to_string(op.x + 6 / 25.4).substr(0, 4) + "," +
                   std::to_string(op.y).substr(0, 4) + " ";
      }
    }
    EXPECT_EQ(corners, "0.50,0.50 2.75,0.50 1.60,1.50 ") << width;
    EXPECT_EQ(outlineLines, 3 * 4) << width;
    int titleLines = 0;
    for (const auto* text : surface.Texts()) {
      if (text->text.size() > 2) {  // not a ruler's number
        ++titleLines;
        const double inches = text->font.points / 72;  // as the recording surface measures
        EXPECT_GE(text->x, 0.5) << text->text;
        EXPECT_LE(text->x + 0.6 * inches * static_cast<double>(text->text.size()), 0.5 + width)
            << width;
        EXPECT_LE(text->y + 1.2 * inches, 1.3) << width;
      }
    }
    EXPECT_EQ(titleLines, 3) << width;
  }
}

}  // namespace
}  // namespace tavrilon::labels
