#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

TEST(LogbookCommand, PutsEachRowWhereTheLayoutDoesFromAnyPage) {
  BatchFolder folder(ContactLog(40));
  for (const int fromPage : {1, 2}) {  // all of the log, then from page 2
    const BatchRun run = folder.Run(std::string("logbook log.adi --pdf out.pdf") +
                                    (fromPage == 2 ? " --from-page 2" : ""));
    ASSERT_EQ(run.status, 0) << run.err;
    const int skipped = (fromPage - 1) * 33;  // 33 rows a page
    int calls = 0;
    for (const PdfWord& w : ReadPdfWords(folder / "out.pdf")) {
      if (w.text.starts_with("ZZ")) {
        const int row = std::stoi(w.text.substr(2)) - 1 - skipped;
        ++calls;
        EXPECT_EQ(w.page, row / 33 + 1) << w.text;
        EXPECT_NEAR(w.xMin / 72 * 25.4, 41, 0.5) << w.text;  // the CALL column
        EXPECT_NEAR(w.yMin / 72 * 25.4, 26 + 5 * (row % 33), 1.0) << w.text;
      }
    }
    EXPECT_EQ(calls, 40 - skipped) << "from page " << fromPage;
  }
}

}  // namespace
}  // namespace tavrilon::test
