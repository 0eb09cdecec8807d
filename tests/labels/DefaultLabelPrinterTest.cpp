#include <algorithm>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "adif/QsoParser.h"
#include "labels/DefaultLabelPrinter.h"
#include "print/RecordingSurface.h"
#include "sheets/SheetCatalogue.h"

namespace tavrilon::labels {
namespace {

// Stock 5160: three across, ten down, a pitch of 2.75 by 1 inch from 0.1875, 0.5.
TEST(DefaultLabelPrinter, SkippedLabelsMoveTheFirstLabelAndSheetsFollowEachOther) {
  adif::FieldTable fields = adif::test::TableOf({"note", "CALL"});
  adif::ParseQsoRecord("<CALL:4>W1AW<EOR>", fields);
  const struct {
    long skip;
    int contacts;
    int page;  // where the last contact's call goes
    double x, y;
  } cases[] = {
      {0, 1, 1, 0.1875, 0.5},
      {5, 1, 1, 0.1875 + 2 * 2.75, 0.5 + 1},  // the sixth label: column 3, row 2
      {5, 26, 2, 0.1875, 0.5},                // the 25th fills the first sheet
  };
  for (const auto& c : cases) {
    print::RecordingSurface surface;
    surface.SetOrientation(print::Orientation::Landscape);
    DefaultLabelPrinter printer(*sheets::CatalogueSheet("5160"));
    printer.Start(surface, c.skip);
    std::string failure;
    for (int i = 0; i < c.contacts; ++i) {
      ASSERT_TRUE(printer.Print(surface, fields, failure));
    }
    EXPECT_EQ(printer.Labels(), c.contacts);
    EXPECT_EQ(surface.GetOrientation(), print::Orientation::Portrait);
    const auto texts = surface.Texts();
    const auto* call = *std::find_if(texts.rbegin(), texts.rend(),
                                     [](const auto* text) { return text->text == "W1AW"; });
    EXPECT_EQ(call->page, c.page) << c.skip << " " << c.contacts;
    EXPECT_NEAR(call->x, c.x, 1e-6) << c.skip << " " << c.contacts;
    EXPECT_NEAR(call->y, c.y, 1e-6) << c.skip << " " << c.contacts;
  }
}

}  // namespace
}  // namespace tavrilon::labels
