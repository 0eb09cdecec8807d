#include <gtest/gtest.h>

#include "labels/LabelSheetPlacement.h"
#include "print/RecordingSurface.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::labels {
namespace {

class LabelSheetPlacementTest : public ::testing::Test {
 protected:
  SheetLookup Lookup(std::string_view stock) {
    return placement_.LookupLabelSheet(stock, settings_, ui_);
  }
  void StoreCustom(int sheet, const std::string& value) {
    ASSERT_TRUE(settings_.WriteSetting("Custom Label", "Label-" + std::to_string(sheet), value));
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedUserInterface ui_;
  print::RecordingSurface surface_;
  LabelPlacement placement_;
};

// A few sheets whose geometry differs in kind: the first label, the first of
// the second row and the last of the sheet, then a new page.
TEST_F(LabelSheetPlacementTest, LabelsGoAcrossThenDownThenToANewPage) {
  StoreCustom(3, "Custom 3| 2 |3.0|3.5 |2|0.5|.25|extra");  // blanks around numbers
  const struct {
    const char* stock;
    int across;
    int down;
    double hp, vp, tm, lm;
  } sheets[] = {
      {"5160", 3, 10, 2.8, 1, 0.45, 0.15},
      {"8386", 1, 2, 6, 4.5, 1.3, 1.3},        // a single column
      {"l7164", 3, 4, 2.6, 2.83, 0.21, 0.28},  // found in capitals
      {"Custom 3", 2, 3, 3.5, 2, 0.5, 0.25},
  };
  for (const auto& s : sheets) {
    ASSERT_TRUE(Lookup(s.stock).Found()) << s.stock;
    EXPECT_EQ(placement_.CurrentSheet().name, s.stock);
    const int page = surface_.page;
    const auto expectLabel = [&](int steps, int column, int row) {
      placement_.SetPosition({});
      for (int i = 0; i < steps; ++i) {
        placement_.AdvanceLabel(surface_);
      }
      EXPECT_EQ(placement_.Position().column, column) << s.stock << " after " << steps;
      EXPECT_EQ(placement_.Position().row, row) << s.stock << " after " << steps;
      EXPECT_FLOAT_EQ(placement_.LabelLeft(), static_cast<float>(s.lm + (column - 1) * s.hp));
      EXPECT_FLOAT_EQ(placement_.LabelTop(), static_cast<float>(s.tm + (row - 1) * s.vp));
    };
    expectLabel(0, 1, 1);
    expectLabel(s.across, 1, 2);
    expectLabel(s.across * s.down - 1, s.across, s.down);
    EXPECT_EQ(surface_.page, page) << s.stock;
    expectLabel(s.across * s.down, 1, 1);
    EXPECT_EQ(surface_.page, page + 1) << s.stock;
  }
  StoreCustom(3, "Custom 3|1|1|1|1|0|0");  // read afresh at every lookup
  ASSERT_TRUE(Lookup("Custom 3").Found());
  EXPECT_EQ(placement_.CurrentSheet().across, 1);
}

}  // namespace
}  // namespace tavrilon::labels
