#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

// The call signs (and the blank cards' fixed texts) of a run, each where
// its first word starts, in points.
std::map<std::string, PdfWord> CallWords(const std::filesystem::path& pdf) {
  std::map<std::string, PdfWord> calls;
  int card = 0;
  for (const PdfWord& word : ReadPdfWords(pdf)) {
    if (word.text == "TNX") {
      calls.emplace(word.text + std::to_string(++card), word);
    } else if (word.text.starts_with("ZZ") && !calls.contains(word.text)) {
      calls.emplace(word.text, word);
    }
  }
  return calls;
}

// The same labels printed before and after the PDF printer is calibrated, as
// contacts and as blank cards: every text moves by the shift (the designs'
// own shifts are the label run's test).
TEST(CalibrateCommandTest, AStoredShiftMovesEveryCallSignOfEveryDesign) {
  BatchFolder folder(ContactLog(8));
  WriteFile(folder / "tavrilon.ini",
            "[Custom Label Layout-1]\nName=Calls\nField1ADIF=CALL\nField1Horiz=0.4\n"
            "Field1Vert=0.3\nField1FontSize=12\nField2Label=TNX\nField2Horiz=0.4\n"
            "Field2Vert=0.6\n");
  const std::string runs[] = {"labels log.adi --design CUSTOM1", "blank 8 --design CUSTOM1"};
  for (std::size_t i = 0; i < std::size(runs); ++i) {
    ASSERT_EQ(
        folder.Run(runs[i] + " --stock 5160 --pdf before" + std::to_string(i) + ".pdf").status, 0);
  }
  const BatchRun calibrated =
      folder.Run("calibrate --printer 'Tavrilon PDF' --across 1.5 --down -1");
  ASSERT_EQ(calibrated.status, 0) << calibrated.err;
  EXPECT_EQ(calibrated.out, "Tavrilon PDF: 1.5 mm across, -1 mm down\n");
  for (std::size_t i = 0; i < std::size(runs); ++i) {
    const std::string n = std::to_string(i);
    ASSERT_EQ(folder.Run(runs[i] + " --stock 5160 --pdf after" + n + ".pdf").status, 0);
    const auto before = CallWords(folder / ("before" + n + ".pdf"));
    const auto after = CallWords(folder / ("after" + n + ".pdf"));
    ASSERT_GE(before.size(), 8u) << runs[i];
    ASSERT_EQ(after.size(), before.size()) << runs[i];
    for (const auto& [call, word] : before) {
      const PdfWord& moved = after.at(call);
      EXPECT_EQ(moved.page, word.page);
      EXPECT_NEAR(moved.xMin - word.xMin, 1.5 * kPointsPerMm, 0.05) << runs[i] << " " << call;
      EXPECT_NEAR(moved.yMin - word.yMin, -1 * kPointsPerMm, 0.05) << runs[i] << " " << call;
    }
  }
}

TEST(CalibrateCommandTest, RefusesShiftsThatAreNoNumbersAndPrintersThatAreNotThere) {
  BatchFolder folder;
  const struct {
    const char* args;
    int status;
    const char* says;
  } cases[] = {
      {"--printer 'Tavrilon PDF' --across 0 --down 21", 64, "from -20 to 20"},
      {"--printer 'No such printer' --across 1 --down 1", 1, "no printer named"},
  };
  for (const auto& c : cases) {
    const BatchRun run = folder.Run(std::string("calibrate ") + c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << ": " << run.err;
  }
  EXPECT_EQ(ReadFile(folder / "tavrilon.ini").find("Printer Calibration"), std::string::npos);
}

// Every label's corner of the stock gets its rulers, numbered at 5 mm.
TEST(CalibrateCommandTest, TheAlignmentPageMarksEveryLabelOfTheStock) {
  BatchFolder folder;
  const BatchRun run = folder.Run("alignment-page --stock 5163 --pdf page.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<PdfWord> words = ReadPdfWords(folder / "page.pdf");
  EXPECT_NE(std::ranges::find(words, "5163", &PdfWord::text), words.end());
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
  ASSERT_EQ(folder.Shell("script -qec './tavrilon-batch labels log.adi --pdf t.pdf --sent-log "
                         "s.adi' /dev/null > terminal.txt 2>&1"),
            0);
  const std::string terminal = ReadFile(folder / "terminal.txt");
  EXPECT_TRUE(terminal.ends_with(
      "\r400 Labels Submitted to the Printer\x1b[K\r\n400 contacts saved as sent to s.adi\r\n"))
      << terminal;
  EXPECT_EQ(terminal.find("\nLabel "), std::string::npos) << terminal;

  const BatchRun piped = folder.Run("labels log.adi --pdf p.pdf");
  EXPECT_NE(piped.err.find("Printing Labels\nLabel 1\n"), std::string::npos) << piped.err;
  EXPECT_NE(piped.err.find("\nLabel 400\n400 Labels Submitted to the Printer\n"), std::string::npos)
      << piped.err;
  EXPECT_LE(std::ranges::count(piped.err, '\n'), 2 + 101 + 1) << piped.err;
  EXPECT_EQ(piped.err.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace tavrilon::test
