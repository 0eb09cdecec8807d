#include <gtest/gtest.h>

#include "designs/LabelFit.h"

namespace tavrilon::designs {
namespace {

// Labels of 2.5 by 1 inches on a pitch of 3 by 1.2: a text in the gap
// between two labels is on neither.
TEST(LabelFitTest, ATextMustStayOnTheLabelNotMerelyWithinItsPitch) {
  const struct {
    FieldExtent extent;
    double labelWidth;  // 0: as wide as the pitch
    const char* edge;   // the one it runs past, or none
  } cases[] = {
      {{1, 0.1, 0.1, 2.5, 1}, 2.5, nullptr},
      {{2, 0.1, 0.1, 2.7, 0.3}, 2.5, "right"},
      {{3, 0.1, 0.8, 1.0, 1.1}, 2.5, "bottom"},
      {{4, 0.1, 0.1, 2.7, 0.3}, 0, nullptr},
  };
  for (const auto& c : cases) {
    const sheets::LabelSheet sheet{.name = "Gap",
                                   .horizontalPitch = 3,
                                   .verticalPitch = 1.2,
                                   .labelWidth = c.labelWidth,
                                   .labelHeight = 1,
                                   .paper = {},
                                   .staggered = {}};
    const auto overflow = FirstOverflow({c.extent}, sheet);
    ASSERT_EQ(overflow.has_value(), c.edge != nullptr) << c.extent.field;
    if (c.edge != nullptr) {
      EXPECT_EQ(OverflowText(1, "", *overflow, sheet),
                "Field " + std::to_string(c.extent.field) +
                    " of custom label design 1 runs past the " + c.edge + " edge of a Gap label.");
    }
  }
}

}  // namespace
}  // namespace tavrilon::designs
