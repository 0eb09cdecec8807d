#include <gtest/gtest.h>

#include "print/RecordingSurface.h"
#include "sheets/LabelPlacement.h"
#include "sheets/SheetCatalogue.h"
#include "sheets/SheetLookup.h"
#include "support/TestSupport.h"

namespace tavrilon::sheets {
namespace {

class LabelPlacementTest : public ::testing::Test {
 protected:
  void StoreCustom(int sheet, const std::string& value) {
    ASSERT_TRUE(settings_.WriteSetting("Custom Label", "Label-" + std::to_string(sheet), value));
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  InstalledSheets installed_;
  print::RecordingSurface surface_;
};

// The maker's layout, not the rounded one the catalogue once had.
TEST_F(LabelPlacementTest, The5160sThirdColumnIsWhereTheMakerPutsIt) {
  LabelPlacement placement(CatalogueSheet("5160").value());
  EXPECT_FLOAT_EQ(placement.LabelLeft(), 0.1875F);
  EXPECT_FLOAT_EQ(placement.LabelTop(), 0.5F);
  placement.SetPosition({3, 10});
  EXPECT_FLOAT_EQ(placement.LabelLeft(), 0.1875F + 2 * 2.75F);
  EXPECT_FLOAT_EQ(placement.LabelTop(), 0.5F + 9);
}

// The first label, the first of the second row and the last of the sheet,
// then a new page; a single column steps down at once.
TEST_F(LabelPlacementTest, LabelsGoAcrossThenDownThenToANewPage) {
  StoreCustom(1, "Custom 1| 2 |3.0|3.5 |2|0.5|.25| 3.4 ||extra");  // blanks around numbers
  StoreCustom(2, "Custom 2|1|2|6|4.5|1.3|1.3");
  for (const char* stock : {"Custom 1", "custom 2"}) {
    const SheetLookup lookup = FindSheet(stock, settings_, installed_);
    ASSERT_TRUE(lookup.Found()) << stock;
    LabelPlacement placement(*lookup.sheet);
    const LabelSheet& s = placement.Sheet();
    const int page = surface_.page;
    const auto expectLabel = [&](int steps, int column, int row) {
      placement.SetPosition({});
      for (int i = 0; i < steps; ++i) {
        placement.AdvanceLabel(surface_);
      }
      EXPECT_EQ(placement.Position().column, column) << stock << " after " << steps;
      EXPECT_EQ(placement.Position().row, row) << stock << " after " << steps;
      EXPECT_FLOAT_EQ(placement.LabelLeft(),
                      static_cast<float>(s.leftMargin + (column - 1) * s.horizontalPitch));
      EXPECT_FLOAT_EQ(placement.LabelTop(),
                      static_cast<float>(s.topMargin + (row - 1) * s.verticalPitch));
    };
    expectLabel(0, 1, 1);
    expectLabel(s.across, 1, 2);
    expectLabel(s.across * s.down - 1, s.across, s.down);
    EXPECT_EQ(surface_.page, page) << stock;
    expectLabel(s.across * s.down, 1, 1);
    EXPECT_EQ(surface_.page, page + 1) << stock;
  }
  EXPECT_EQ(FindSheet("Custom 1", settings_, installed_).sheet->across, 2);
  StoreCustom(1, "Custom 1|1|1|1|1|0|0");  // read afresh at every lookup
  EXPECT_EQ(FindSheet("Custom 1", settings_, installed_).sheet->across, 1);
}

TEST_F(LabelPlacementTest, ASheetNotFoundSaysWhy) {
  StoreCustom(2, "Custom 2|3|");
  EXPECT_TRUE(FindSheet("l7164", settings_, installed_).Found());  // in capitals
  const struct {
    const char* stock;
    SheetLookupStatus status;
    const char* text;
  } cases[] = {
      {"9999", SheetLookupStatus::NotInCatalogue,
       "The label sheet \"9999\" is not known. Please choose a label sheet from the list."},
      {"Custom 3", SheetLookupStatus::CustomNotDefined, "You have not defined a custom label."},
      {"Custom 2", SheetLookupStatus::CustomIncomplete, nullptr},
  };
  for (const auto& c : cases) {
    const SheetLookup lookup = FindSheet(c.stock, settings_, installed_);
    EXPECT_EQ(lookup.status, c.status) << c.stock;
    EXPECT_FALSE(lookup.sheet) << c.stock;
    EXPECT_EQ(SheetLookupText(c.stock, lookup),
              c.text ? c.text : CustomSheetFaultText(*lookup.fault));
  }
}

}  // namespace
}  // namespace tavrilon::sheets
