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
  int NewPages() const { return surface_.page - 1; }
  // Steps to the zero-based label `k` of the first page.
  void MoveToLabel(int k) {
    placement_.SetPosition({});
    for (int i = 0; i < k; ++i) {
      placement_.AdvanceLabel(surface_);
    }
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedUserInterface ui_;
  print::RecordingSurface surface_;
  LabelPlacement placement_;
};

TEST_F(LabelSheetPlacementTest, LabelsArePlacedByTheirColumnAndRow) {
  struct Case {
    const char* stock;
    int k;
    int column;
    int row;
    float left;
    float top;
  } cases[] = {
      {"5160", 0, 1, 1, 0.15f, 0.45f},   {"5160", 4, 2, 2, 2.95f, 1.45f},
      {"5160", 29, 3, 10, 5.75f, 9.45f},  // the last label of the sheet
      {"8386", 1, 1, 2, 1.3f, 5.8f},     {"5167", 7, 4, 2, 6.46f, 1.0f},
      {"8462", 3, 2, 2, 4.4f, 2.3f},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Lookup(c.stock).Found()) << c.stock;
    MoveToLabel(c.k);
    EXPECT_EQ(placement_.Position().column, c.column) << c.stock << " k=" << c.k;
    EXPECT_EQ(placement_.Position().row, c.row) << c.stock << " k=" << c.k;
    EXPECT_FLOAT_EQ(placement_.LabelLeft(), c.left) << c.stock << " k=" << c.k;
    EXPECT_FLOAT_EQ(placement_.LabelTop(), c.top) << c.stock << " k=" << c.k;
  }
  EXPECT_EQ(NewPages(), 0);
}

TEST_F(LabelSheetPlacementTest, AfterTheLastLabelOfASheetANewPageBeginsAtTheFirst) {
  ASSERT_TRUE(Lookup("8386").Found());
  placement_.SetPosition({});
  const std::pair<int, int> expected[] = {{1, 2}, {1, 1}, {1, 2}, {1, 1}};
  int pages = 0;
  for (const auto& [column, row] : expected) {
    placement_.AdvanceLabel(surface_);
    pages += row == 1 ? 1 : 0;
    EXPECT_EQ(placement_.Position().column, column);
    EXPECT_EQ(placement_.Position().row, row);
    EXPECT_EQ(NewPages(), pages);
  }

  ASSERT_TRUE(Lookup("5160").Found());
  MoveToLabel(30 * 2 + 5);  // two full sheets and five labels
  EXPECT_EQ(NewPages(), 2 + 2);
  EXPECT_EQ(placement_.Position().column, 3);
  EXPECT_EQ(placement_.Position().row, 2);
}

TEST_F(LabelSheetPlacementTest, EquivalentStocksShareGeometryAndCaseDoesNotMatter) {
  ASSERT_TRUE(Lookup("8462").Found());
  const LabelSheet sheet8462 = placement_.CurrentSheet();
  ASSERT_TRUE(Lookup("8162").Found());
  const LabelSheet& sheet8162 = placement_.CurrentSheet();
  EXPECT_EQ(sheet8462.name, "8462");
  EXPECT_EQ(sheet8162.name, "8162");
  EXPECT_EQ(sheet8462.across, 2);
  EXPECT_EQ(sheet8462.down, 7);
  EXPECT_EQ(sheet8462.down, sheet8162.down);
  EXPECT_EQ(sheet8462.horizontalPitch, 4);
  EXPECT_EQ(sheet8462.verticalPitch, 1.3);
  EXPECT_EQ(sheet8462.topMargin, 1);
  EXPECT_EQ(sheet8462.leftMargin, 0.4);

  ASSERT_TRUE(Lookup("l7160").Found());
  EXPECT_EQ(placement_.CurrentSheet().name, "l7160");
  EXPECT_EQ(placement_.CurrentSheet().down, 7);
}

TEST_F(LabelSheetPlacementTest, AStockNotInTheCatalogueKeepsTheSheetInForce) {
  ASSERT_TRUE(Lookup("5163").Found());
  for (const char* stock : {"", "Avery 5160", "Custom 4"}) {
    EXPECT_EQ(Lookup(stock).status, SheetLookupStatus::NotInCatalogue) << stock;
    EXPECT_EQ(placement_.CurrentSheet().name, "5163");
  }
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(LabelSheetPlacementTest, AnUndefinedCustomSheetIsToldOnceAndKeepsTheSheetInForce) {
  ASSERT_TRUE(Lookup("5163").Found());
  for (const char* stored : {"", "Custom 1||||||"}) {
    StoreCustom(1, stored);
    ui_.messages.clear();
    const SheetLookup result = Lookup("custom 1");
    EXPECT_EQ(result.status, SheetLookupStatus::CustomNotDefined) << stored;
    EXPECT_EQ(ui_.messages, std::vector<std::string>{"You have not defined a custom label."});
    EXPECT_EQ(placement_.CurrentSheet().name, "5163");
  }
}

TEST_F(LabelSheetPlacementTest, AnIncompleteCustomSheetAnswersWhatIsWrongWithoutAMessage) {
  ASSERT_TRUE(Lookup("5163").Found());
  StoreCustom(2, "Custom 2|3|10|2.8|1|0.45|");
  const SheetLookup result = Lookup("Custom 2");
  EXPECT_EQ(result.status, SheetLookupStatus::CustomIncomplete);
  ASSERT_TRUE(result.fault);
  EXPECT_EQ(result.fault->sheet, 2);
  ASSERT_EQ(result.fault->entries.size(), 1U);
  EXPECT_EQ(result.fault->entries[0].entry, CustomSheetEntry::LeftMargin);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(placement_.CurrentSheet().name, "5163");
}

TEST_F(LabelSheetPlacementTest, ADefinedCustomSheetIsReadAfreshAtEveryLookup) {
  StoreCustom(3, "Custom 3|2|3|3.5|2|0.5|.25");
  ASSERT_TRUE(Lookup("CUSTOM 3").Found());
  EXPECT_EQ(placement_.CurrentSheet().name, "Custom 3");
  MoveToLabel(3);
  EXPECT_FLOAT_EQ(placement_.LabelLeft(), 3.75f);
  EXPECT_FLOAT_EQ(placement_.LabelTop(), 2.5f);
  MoveToLabel(6);
  EXPECT_EQ(NewPages(), 1);

  StoreCustom(3, "Custom 3|1|1|1|1|0|0");
  ASSERT_TRUE(placement_.LoadCustomSheet("Custom 3", settings_, ui_).Found());
  EXPECT_EQ(placement_.CurrentSheet().across, 1);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST(LineGapTest, IsHalfAThousandthOfAnInchPerPoint) {
  EXPECT_DOUBLE_EQ(LineGap(10), 0.005);
  EXPECT_DOUBLE_EQ(LineGap(15), 0.0075);
}

}  // namespace
}  // namespace tavrilon::labels
