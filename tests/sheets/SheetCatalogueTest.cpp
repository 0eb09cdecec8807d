#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "sheets/LabelStocks.h"
#include "sheets/SheetCatalogue.h"
#include "text/Text.h"

namespace tavrilon::sheets {
namespace {

// Every stock of the list but the custom sheets has a sheet, a paper and a
// description of its own that tells the sheet's numbers; nothing else has
// any. (Where labels go on a sheet is checked where labels are placed.)
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
    const std::string description(CatalogueDescription(stock).value_or(""));
    EXPECT_EQ(description.rfind(stock + " - A: ", 0), 0U) << stock;
    std::istringstream told(description.substr(stock.size()));
    std::string word;
    std::vector<double> numbers;
    while (told >> word) {
      if (const auto number = text::ParseNumber(word)) {
        numbers.push_back(*number);
      }
    }
    EXPECT_EQ(numbers,
              (std::vector<double>{static_cast<double>(sheet->across),
                                   static_cast<double>(sheet->down), sheet->horizontalPitch,
                                   sheet->verticalPitch, sheet->topMargin, sheet->leftMargin}))
        << description;
  }
  for (const char* other : {"", "5160 ", " 5160", "7160", "51600", "L9999"}) {
    EXPECT_FALSE(CatalogueSheet(other) || StockPaper(other) || CatalogueDescription(other))
        << '"' << other << '"';
  }
}

}  // namespace
}  // namespace tavrilon::sheets
