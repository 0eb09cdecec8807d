#include <gtest/gtest.h>

#include "labels/LabelSheetDescription.h"
#include "labels/LabelStocks.h"
#include "labels/SheetCatalogue.h"
#include "support/TestSupport.h"

namespace tavrilon::labels {
namespace {

TEST(SheetCatalogueTest, EveryStockHasTheGeometryOfItsRow) {
  struct Row {
    std::vector<const char*> stocks;
    int across;
    int down;
    double horizontalPitch;
    double verticalPitch;
    double topMargin;
    double leftMargin;
  } rows[] = {
      {{"5160", "5260", "5810", "5960", "5970", "5971", "5972", "5979", "5980", "6460", "8160",
        "8250", "8460", "15160"},
       3,
       10,
       2.8,
       1,
       0.45,
       0.15},
      {{"5161"}, 2, 10, 4.19, 1, 0.5, 0.16},
      {{"5162"}, 2, 7, 4.19, 1.33, 0.83, 0.16},
      {{"5163"}, 2, 5, 4.19, 2, 0.5, 0.16},
      {{"5164"}, 2, 3, 4.19, 3.33, 0.5, 0.16},
      {{"5167"}, 4, 20, 2.06, 0.5, 0.5, 0.28},
      {{"5261", "8161"}, 2, 10, 4, 1, 1, 0.4},
      {{"8162", "8462", "18662"}, 2, 7, 4, 1.3, 1, 0.4},
      {{"8386"}, 1, 2, 6, 4.5, 1.3, 1.3},
      {{"L7160"}, 3, 7, 2.6, 1.5, 0.63, 0.3},
      {{"L7161"}, 3, 6, 2.6, 1.83, 0.38, 0.28},
      {{"L7162"}, 2, 8, 4, 1.33, 0.54, 0.18},
      {{"L7163"}, 2, 7, 4, 1.5, 0.63, 0.18},
      {{"L7164"}, 3, 4, 2.6, 2.83, 0.21, 0.28},
  };
  std::size_t count = 0;
  for (const Row& row : rows) {
    for (const char* stock : row.stocks) {
      ++count;
      const auto sheet = CatalogueSheet(stock);
      ASSERT_TRUE(sheet) << stock;
      EXPECT_EQ(sheet->name, stock);
      EXPECT_EQ(sheet->across, row.across) << stock;
      EXPECT_EQ(sheet->down, row.down) << stock;
      EXPECT_DOUBLE_EQ(sheet->horizontalPitch, row.horizontalPitch) << stock;
      EXPECT_DOUBLE_EQ(sheet->verticalPitch, row.verticalPitch) << stock;
      EXPECT_DOUBLE_EQ(sheet->topMargin, row.topMargin) << stock;
      EXPECT_DOUBLE_EQ(sheet->leftMargin, row.leftMargin) << stock;
    }
  }
  EXPECT_EQ(count, 30U);
}

TEST(SheetCatalogueTest, StocksAreFoundInCapitalsAndKeepTheTextAsPassed) {
  const auto sheet = CatalogueSheet("l7160");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->name, "l7160");
  EXPECT_EQ(sheet->down, 7);
  for (const char* other : {"", "5160 ", " 5160", "7160", "Custom 1", "51600"}) {
    EXPECT_FALSE(CatalogueSheet(other)) << '"' << other << '"';
    EXPECT_FALSE(CatalogueDescription(other)) << '"' << other << '"';
  }
}

TEST(SheetCatalogueTest, EveryStockOfTheListButTheCustomSheetsIsCatalogued) {
  for (std::size_t i = 0; i < kLabelStocks.size(); ++i) {
    EXPECT_EQ(CatalogueSheet(kLabelStocks[i]).has_value(), i < 30) << kLabelStocks[i];
  }
}

TEST(SheetCatalogueTest, TheMainWindowDescribesEveryStockExactly) {
  const std::pair<const char*, const char*> cases[] = {
      {"5160", "5160 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5161", "5161 - A: 2   D: 10   HP: 4.19   VP: 1.0   TM: 0.5   LM: 0.16"},
      {"5162", "5162 - A: 2   D: 7   HP: 4.19   VP: 1.33   TM: 0.83   LM: 0.16"},
      {"5163", "5163 - A: 2   D: 5   HP: 4.19   VP: 2.0   TM: 0.5   LM: 0.16"},
      {"5164", "5164 - A: 2   D: 3   HP: 4.19   VP: 3.33   TM: 0.5   LM: 0.16"},
      {"5167", "5167 - A: 4   D: 20   HP: 2.06   VP: 0.5   TM: 0.5   LM: 0.28"},
      {"5260", "5260 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5261", "5261 - A: 2   D: 10   HP: 4.0   VP: 1.0   TM: 1.0   LM: 0.4"},
      {"5810", "5810 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5960", "5960 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5970", "5970 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5971", "5971 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5972", "5972 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5979", "5979 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"5980", "5980 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"6460", "6460 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"8160", "8160 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"8161", "8161 - A: 2   D: 10   HP: 4.0   VP: 1.0   TM: 1.0   LM: 0.4"},
      {"8162", "8162 - A: 2   D: 7   HP: 4.0   VP: 1.3   TM: 1.0   LM: 0.4"},
      {"8250", "8250 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"8386", "8386 - A: 1   D: 2  HP: 6.0   VP: 4.5   TM: 1.3   LM: 1.3"},  // two blanks
      {"8460", "8460 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"8462", "8462 - A: 2   D: 7   HP: 4.0   VP: 1.3   TM: 1.0   LM: 0.4"},
      {"15160", "15160 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"},
      {"18662", "18662 - A: 2   D: 7   HP: 4.0   VP: 1.3   TM: 1.0   LM: 0.4"},
      {"L7160", "L7160 - A: 3   D: 7   HP: 2.6   VP: 1.5   TM: 0.63   LM: 0.3"},
      {"L7161", "L7161 - A: 3   D: 6   HP: 2.6   VP: 1.83   TM: 0.38   LM: 0.28"},
      {"L7162", "L7162 - A: 2   D: 8   HP: 4.0   VP: 1.33   TM: 0.54   LM: 0.18"},
      {"L7163", "L7163 - A: 2   D: 7   HP: 4.0   VP: 1.5   TM: 0.63   LM: 0.18"},
      {"L7164", "L7164 - A: 3   D: 4   HP: 2.6   VP: 2.83   TM: 0.21   LM: 0.28"},
  };
  test::TempDir dir;
  settings::SettingsFile settings(dir / "tavrilon.ini");
  for (const auto& [stock, description] : cases) {
    EXPECT_EQ(SheetDescription(stock, settings), description) << stock;
  }
  EXPECT_EQ(SheetDescription("Avery", settings), std::nullopt);  // the box keeps its text
}

TEST(SheetCatalogueTest, NumberedStocksAreOnLetterPaperLStocksOnA4CustomOnThePrintersPaper) {
  EXPECT_EQ(StockPaper("5160"), Paper::UsLetter);
  EXPECT_EQ(StockPaper("18662"), Paper::UsLetter);
  EXPECT_EQ(StockPaper("L7164"), Paper::A4);
  EXPECT_EQ(StockPaper("l7160"), Paper::A4);
  EXPECT_EQ(StockPaper("Custom 1"), std::nullopt);
  EXPECT_EQ(StockPaper("L9999"), std::nullopt);
}

}  // namespace
}  // namespace tavrilon::labels
