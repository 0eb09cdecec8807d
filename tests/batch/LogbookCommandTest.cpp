#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "batch/BatchTestSupport.h"
#include "batch/PdfReading.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

// Contacts ZZ1QSO onward, one a day from 1 January 2024.
std::string Log(int count) {
  std::string log = "Logbook end to end\n<EOH>\n";
  for (int i = 1; i <= count; ++i) {
    const std::string call = "ZZ" + std::to_string(i) + "QSO";
    char date[16];
    std::snprintf(date, sizeof date, "202401%02d", (i - 1) % 28 + 1);
    log += "<CALL:" + std::to_string(call.size()) + ">" + call + "<QSO_DATE:8>" + date +
           "<TIME_ON:4>1200<MODE:2>CW<RST_SENT:3>599<EOR>\n";
  }
  return log;
}

class LogbookCommandTest : public ::testing::Test {
 protected:
  LogbookCommandTest() { WriteFile(folder_ / "log.adi", Log(40)); }

  std::vector<PdfWord> Print(const std::string& options) {
    const BatchRun run = folder_.Run("logbook log.adi --pdf out.pdf " + options);
    EXPECT_EQ(run.status, 0) << run.err;
    last_ = run;
    return ReadPdfWords(folder_ / "out.pdf");
  }
  static std::vector<std::string> CallsOnPage(const std::vector<PdfWord>& words, int page) {
    std::vector<std::string> calls;
    for (const PdfWord& w : words) {
      if (w.page == page && w.text.rfind("ZZ", 0) == 0) {
        calls.push_back(w.text);
      }
    }
    return calls;
  }
  static bool Has(const std::vector<PdfWord>& words, int page, const std::string& text) {
    return std::any_of(words.begin(), words.end(),
                       [&](const PdfWord& w) { return w.page == page && w.text == text; });
  }

  BatchFolder folder_;
  BatchRun last_;
};

TEST_F(LogbookCommandTest, RowsFooterAndPageNumbersWhereTheLayoutPutsThem) {
  const auto words = Print("");
  EXPECT_NE(last_.err.find("Printing Complete -> 40 QSOs Submitted to 2 pages."),
            std::string::npos);
  ASSERT_EQ(CallsOnPage(words, 1).size(), 33U);
  ASSERT_EQ(CallsOnPage(words, 2).size(), 7U);
  for (const PdfWord& w : words) {
    if (w.text.rfind("ZZ", 0) == 0) {
      const int n = std::stoi(w.text.substr(2));
      const int band = (n - 1) % 33 + 1;
      EXPECT_NEAR(w.xMin / 72 * 25.4, 41, 0.5) << w.text;  // the CALL column
      EXPECT_NEAR(w.yMin / 72 * 25.4, 21 + 5 * band, 1.0) << w.text;
    }
  }
  for (int page : {1, 2}) {
    EXPECT_TRUE(Has(words, page, "Printed")) << page;
    EXPECT_TRUE(Has(words, page, std::to_string(page))) << page;
    EXPECT_TRUE(Has(words, page, "DATE")) << page;
    EXPECT_TRUE(Has(words, page, "Enter")) << "the operator's call as title";
  }
}

TEST_F(LogbookCommandTest, FromAPageAndByDateRange) {
  auto words = Print("--from-page 2");
  EXPECT_TRUE(CallsOnPage(words, 2).empty());
  const auto first = CallsOnPage(words, 1);
  ASSERT_EQ(first.size(), 7U);
  EXPECT_EQ(first.front(), "ZZ34QSO");
  EXPECT_TRUE(Has(words, 1, "2"));  // numbered 2

  words = Print("--begin 20240105 --begin-time 1200 --end 20240106");
  // Days 5 and 6 come round twice (contacts 5, 6, 33, 34); without an end time
  // the range ends at 00:00 of the 6th, before its 12:00 contacts.
  EXPECT_EQ(CallsOnPage(words, 1), (std::vector<std::string>{"ZZ5QSO", "ZZ33QSO"}));
}

TEST_F(LogbookCommandTest, WrongOptionsAreRefusedBeforeAnythingIsPrinted) {
  for (const char* options : {"--from-page 0", "--begin 2024", "--begin 20240101 --begin-time 2401",
                              "--from-page 2 --begin 20240101", "--begin-time 1200"}) {
    const BatchRun run = folder_.Run(std::string("logbook log.adi --pdf out.pdf ") + options);
    EXPECT_EQ(run.status, 64) << options;
  }
  EXPECT_FALSE(fs::exists(folder_ / "out.pdf"));
  EXPECT_EQ(folder_.Run("logbook missing.adi --pdf out.pdf").status, 1);
}

}  // namespace
}  // namespace tavrilon::test
