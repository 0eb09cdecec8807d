#include <gtest/gtest.h>

#include "labels/LabelStocks.h"
#include "labels/SheetCatalogue.h"

namespace tavrilon::labels {
namespace {

// Every stock of the list but the custom sheets has a sheet, a paper and a
// description of its own; nothing else has any. (The geometry of sheets of
// each kind is checked where labels are placed.)
TEST(SheetCatalogueTest, EveryStockOfTheListResolves) {
  for (std::size_t i = 0; i < kLabelStocks.size(); ++i) {
    const std::string stock(kLabelStocks[i]);
    if (i >= 30) {
      EXPECT_FALSE(CatalogueSheet(stock) || StockPaper(stock) || CatalogueDescription(stock));
      continue;
    }
    const auto sheet = CatalogueSheet(stock);
    ASSERT_TRUE(sheet) << stock;
    EXPECT_EQ(sheet->name, stock);
    EXPECT_EQ(StockPaper(stock), stock[0] == 'L' ? Paper::A4 : Paper::UsLetter) << stock;
    EXPECT_EQ(CatalogueDescription(stock).value_or("").rfind(stock + " - A: ", 0), 0U) << stock;
  }
  for (const char* other : {"", "5160 ", " 5160", "7160", "51600", "L9999"}) {
    EXPECT_FALSE(CatalogueSheet(other) || StockPaper(other) || CatalogueDescription(other))
        << '"' << other << '"';
  }
}

}  // namespace
}  // namespace tavrilon::labels
