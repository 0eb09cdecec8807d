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
      EXPECT_FALSE(CatalogueSheet(stock) || CatalogueDescription(stock));
      continue;
    }
    const auto sheet = CatalogueSheet(stock);
    ASSERT_TRUE(sheet && sheet->paper) << stock;
    EXPECT_EQ(sheet->name, stock);
    // The L stocks are made on A4, the numbered ones on US Letter; a label
    // leaves room for the next one, and the last ends on the paper.
    const bool a4 = stock[0] == 'L';
    EXPECT_EQ(sheet->paper->name, a4 ? "A4" : "US-Letter");
    EXPECT_NEAR(sheet->paper->width, a4 ? 8.2677 : 8.5, 1e-4);
    EXPECT_NEAR(sheet->paper->height, a4 ? 11.6929 : 11, 1e-4);
    EXPECT_TRUE(sheet->labelWidth > 0 && sheet->labelWidth <= sheet->horizontalPitch &&
                sheet->labelHeight > 0 && sheet->labelHeight <= sheet->verticalPitch)
        << stock;
    EXPECT_LE(sheet->leftMargin + (sheet->across - 1) * sheet->horizontalPitch + sheet->labelWidth,
              sheet->paper->width)
        << stock;
    EXPECT_LE(sheet->topMargin + (sheet->down - 1) * sheet->verticalPitch + sheet->labelHeight,
              sheet->paper->height)
        << stock;
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
    EXPECT_FALSE(CatalogueSheet(other) || CatalogueDescription(other)) << '"' << other << '"';
  }
}

}  // namespace
}  // namespace tavrilon::sheets
