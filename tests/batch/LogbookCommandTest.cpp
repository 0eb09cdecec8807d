#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

// The pages of the whole log are the logbook run's test; here the option
// and each row's place on the PDF.
TEST(LogbookCommand, PutsEachRowWhereTheLayoutDoesFromThePageAsked) {
  BatchFolder folder(ContactLog(40));
  const BatchRun run = folder.Run("logbook log.adi --pdf out.pdf --from-page 2");
  ASSERT_EQ(run.status, 0) << run.err;
  int calls = 0;
  for (const PdfWord& w : ReadPdfWords(folder / "out.pdf")) {
    if (w.text.starts_with("ZZ")) {
      const int row = std::stoi(w.text.substr(2)) - 1 - 33;  // 33 rows a page
      ++calls;
      EXPECT_EQ(w.page, 1) << w.text;
      EXPECT_NEAR(w.xMin / 72 * 25.4, 41, 0.5) << w.text;  // the CALL column
      EXPECT_NEAR(w.yMin / 72 * 25.4, 26 + 5 * row, 1.0) << w.text;
    }
  }
  EXPECT_EQ(calls, 40 - 33);
}

}  // namespace
}  // namespace tavrilon::test
