#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

// The same blank cards printed before and after the PDF printer is
// calibrated: every text moves by the shift. That a label run takes the
// printer's shift is the label run's test.
TEST(CalibrateCommandTest, AStoredShiftMovesEveryTextOfTheCards) {
  BatchFolder folder;
  WriteFile(folder / "tavrilon.ini",
            "[Custom Label Layout-1]\nName=Cards\nField1Label=TNX\nField1Horiz=0.4\n"
            "Field1Vert=0.6\n");
  const std::string blank = "blank 8 --design CUSTOM1 --stock 5160 --pdf ";
  ASSERT_EQ(folder.Run(blank + "before.pdf").status, 0);
  const BatchRun calibrated =
      folder.Run("calibrate --printer 'Tavrilon PDF' --across 1.5 --down -1");
  ASSERT_EQ(calibrated.status, 0) << calibrated.err;
  EXPECT_EQ(calibrated.out, "Tavrilon PDF: 1.5 mm across, -1 mm down\n");
  ASSERT_EQ(folder.Run(blank + "after.pdf").status, 0);
  const auto before = ReadPdfWords(folder / "before.pdf");
  const auto after = ReadPdfWords(folder / "after.pdf");
  ASSERT_EQ(before.size(), 8u);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t w = 0; w < before.size(); ++w) {
    EXPECT_EQ(std::tie(after[w].text, after[w].page), std::tie(before[w].text, before[w].page));
    EXPECT_NEAR(after[w].xMin - before[w].xMin, 1.5 * kPointsPerMm, 0.05) << w;
    EXPECT_NEAR(after[w].yMin - before[w].yMin, -1 * kPointsPerMm, 0.05) << w;
  }
}

TEST(CalibrateCommandTest, RefusesShiftsThatAreNoNumbersAndPrintersThatAreNotThere) {
  BatchFolder folder;
  for (const auto& [args, status, says] :
       {std::tuple("--printer 'Tavrilon PDF' --across 0 --down 21", 64, "from -20 to 20"),
        std::tuple("--printer 'No such printer' --across 1 --down 1", 1, "no printer named")}) {
    const BatchRun run = folder.Run(std::string("calibrate ") + args);
    EXPECT_EQ(run.status, status) << args;
    EXPECT_NE(run.err.find(says), std::string::npos) << args << ": " << run.err;
  }
  EXPECT_EQ(ReadFile(folder / "tavrilon.ini").find("Printer Calibration"), std::string::npos);
}

// Every label's corner of the stock gets its rulers, numbered at 5 mm.
TEST(CalibrateCommandTest, TheAlignmentPageMarksEveryLabelOfTheStock) {
  BatchFolder folder;
  const BatchRun run = folder.Run("alignment-page --stock 5163 --pdf page.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<PdfWord> words = ReadPdfWords(folder / "page.pdf");
  // 5163: 2 by 5 labels of 4 by 2 inches; each corner's two rulers are
  // numbered at -5 and 5, but for the first column's -5 across, which would
  // be off the paper: nothing is.
  const auto fives = std::ranges::count_if(
      words, [](const PdfWord& word) { return word.text == "5" || word.text == "-5"; });
  EXPECT_EQ(fives, 2 * 5 * 4 - 5);
  EXPECT_TRUE(std::ranges::all_of(
      words, [](const PdfWord& word) { return word.xMin >= 0 && word.yMin >= 0; }));
}

// On a terminal the status texts share one rewritten line, and a message
// after the run follows its last status; in a file each text has a line of
// its own, the labels' at most once a percent.
TEST(ConsoleStatusTest, ATerminalGetsOneRewrittenLineAFileOneLineAPercent) {
  BatchFolder folder(ContactLog(400));
  // No country file: the summary is the same on every machine.
  WriteFile(folder / "tavrilon.ini", "[QSL Labels]\nLabelLayOut=DEFAULT\nCountryFile=none.dat\n");
  ASSERT_EQ(folder.Shell("script -qec './tavrilon-batch labels log.adi --pdf t.pdf --sent-log "
                         "s.adi' /dev/null > terminal.txt 2>&1"),
            0);
  const std::string terminal = ReadFile(folder / "terminal.txt");
  // The status line is cut to the terminal's width.
  EXPECT_TRUE(terminal.ends_with(
      "\r400 Labels Submitted to the Printer: 400 contacts, 400 stations, 0 via a manage\x1b[K\r\n"
      "400 contacts saved as sent to s.adi\r\n400 of 400 contacts\r\n"
      "400 contacts, 400 stations, 0 via a manager\r\n"))
      << terminal;
  EXPECT_EQ(terminal.find("\nLabel "), std::string::npos) << terminal;

  const BatchRun piped = folder.Run("labels log.adi --pdf p.pdf");
  EXPECT_NE(piped.err.find("Printing Labels\nLabel 1\n"), std::string::npos) << piped.err;
  EXPECT_NE(piped.err.find("\nLabel 400\n400 Labels Submitted to the Printer: 400 contacts"),
            std::string::npos)
      << piped.err;
  EXPECT_LE(std::ranges::count(piped.err, '\n'), 2 + 101 + 1 + 2) << piped.err;
  EXPECT_EQ(piped.err.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace tavrilon::test
