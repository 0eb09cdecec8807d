#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "adif/SentLog.h"
#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

constexpr int kContacts = 40;
constexpr int kSkip = 5;

std::string CallOf(int i) {
  return "ZZ" + std::to_string(i) + "Q";
}

// Where stock 5160 puts contact i (from 1) after the skipped labels: page,
// and the label's top left corner in inches.
struct Spot {
  int page;
  double left, top;
};
Spot SpotOf(int i) {
  const int label = kSkip + i - 1;
  const int onPage = label % 30;
  return {label / 30 + 1, 0.1875 + (onPage % 3) * 2.75, 0.5 + (onPage / 3) * 1.0};
}

class LabelsCommandTest : public ::testing::Test {
 protected:
  BatchFolder folder_{ContactLog(kContacts)};
};

// Each call on its page, and the contacts of the completed run back through
// our reader, marked sent today (UTC) through the bureau.
TEST_F(LabelsCommandTest, PrintsEveryCallAndWritesTheSentLog) {
  const std::string before = adif::UtcAdifDate(std::chrono::system_clock::now());
  const BatchRun run = folder_.Run("labels log.adi --pdf out.pdf --stock 5160 --skip " +
                                   std::to_string(kSkip) + " --sent-log sent.adi --bureau");
  const std::string after = adif::UtcAdifDate(std::chrono::system_clock::now());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Your call sign is not set yet"), std::string::npos) << run.err;
  const std::vector<PdfWord> words = ReadPdfWords(folder_ / "out.pdf");
  for (int i = 1; i <= kContacts; ++i) {
    const auto word = std::ranges::find(words, CallOf(i), &PdfWord::text);
    ASSERT_NE(word, words.end()) << CallOf(i);
    const Spot spot = SpotOf(i);
    EXPECT_EQ(word->page, spot.page) << CallOf(i);
    EXPECT_NEAR(word->xMin / 72, spot.left, 0.02) << CallOf(i);
    EXPECT_NEAR(word->yMin / 72, spot.top, 0.02) << CallOf(i);
  }

  // The round trip of each field is the sent contacts' test; here the options.
  const std::string sent = ReadFile(folder_ / "sent.adi");
  EXPECT_TRUE(sent.find("<QSLSDATE:8>" + before) != std::string::npos ||
              sent.find("<QSLSDATE:8>" + after) != std::string::npos);
  EXPECT_NE(sent.find("<QSL_SENT_VIA:1>B<EOR>"), std::string::npos);

  const BatchRun overPdf = folder_.Run("labels log.adi --pdf out.pdf --sent-log out.pdf");
  EXPECT_EQ(overPdf.status, 64);
  EXPECT_NE(overPdf.err.find("The sent log cannot be written over"), std::string::npos);
  // The stored custom design 2 has no field: the older out.pdf stays as it was.
  const std::string printed = ReadFile(folder_ / "out.pdf");
  const BatchRun blank =
      folder_.Run("labels log.adi --pdf out.pdf --design CUSTOM2 --sent-log later.adi");
  EXPECT_EQ(blank.status, 1) << blank.err;
  EXPECT_TRUE(ReadFile(folder_ / "out.pdf") == printed);
  EXPECT_FALSE(fs::exists(folder_ / "later.adi"));
  EXPECT_EQ(ReadFile(folder_ / "log.adi"), ContactLog(kContacts));
}

// The cards still to send, in bureau order by the country file of the
// settings (a manager's card under the manager's country), told at the end.
TEST(SendingLabelsCommandTest, CardsStillToSendInBureauOrder) {
  const auto contact = [](std::string_view call, std::string_view more) {
    return "<CALL:" + std::to_string(call.size()) + ">" + std::string(call) +
           "<QSO_DATE:8>20240105<TIME_ON:4>1200" + std::string(more) + "<EOR>\n";
  };
  BatchFolder folder("<EOH>\n" + contact("K1AAA", "<QSL_SENT:1>R") +
                     contact("DL1AAA", "<QSL_SENT:1>Y") + contact("ZZ1Q", "<QSL_VIA:5>EA5XX") +
                     contact("DL2AAA", "") + contact("W1AAA", "<QSL_SENT_VIA:1>E"));
  WriteFile(folder / "cty.dat",
            "East: 14: 28: EU: 51: -10: -1: DL:\n DL;\nSouth: 14: 37: EU: 40: 3: -1: EA:\n EA;\n"
            "West: 5: 8: NA: 43: 87: 5: K:\n K,W;\n");
  WriteFile(folder / "tavrilon.ini",
            "[QSL Labels]\nCountryFile=" + (folder / "cty.dat").string() + "\n");
  const BatchRun run =
      folder.Run("labels log.adi --pdf out.pdf --design DEFAULT --contacts to-send --order bureau");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(
      run.err.ends_with("3 of 5 contacts (cards still to send)\n"
                        "3 contacts, 3 stations, 3 countries, 1 via a manager\n"))
      << run.err;
  std::vector<std::string> calls;
  for (const PdfWord& word : ReadPdfWords(folder / "out.pdf")) {
    if (word.text.ends_with("AAA") || word.text == "ZZ1Q") {
      calls.push_back(word.text);
    }
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"DL2AAA", "ZZ1Q", "K1AAA"}));
  EXPECT_EQ(folder.Run("labels log.adi --pdf out.pdf --order country").status, 64);
  EXPECT_EQ(folder.Run("labels log.adi --pdf out.pdf --from 20240230").status, 64);
}

// The Simple design's options and the callbook of the settings: style 3 adds
// each contact's mailing and return labels; without the callbook the labels
// print without the mailing labels, and the status tells a script so. What
// each label holds is the label run's test.
TEST(SimpleLabelsCommandTest, Style3AddsTheMailingLabelsFromTheCallbookOfTheSettings) {
  BatchFolder folder(ContactLog(2));
  WriteUsCallbook(folder / "callbook",
                  {"EN|9900101|||ZZ1Q|L|L09900101|SAMPLE, ALICE Q|ALICE|Q|SAMPLE|||||12 EXAMPLE "
                   "LN|TESTVILLE|CT|060011234|||000|0099000101|I||||||"});
  for (const auto& [drive, status] :
       {std::pair((folder / "callbook").string(), 0), std::pair(std::string("/nowhere"), 3)}) {
    WriteFile(folder / "tavrilon.ini", "[QSL Labels]\nUseQRZ=TRUE\nCDdrive=" + drive + "\n");
    const BatchRun run = folder.Run("labels log.adi --pdf out.pdf --design SIMPLE --style 3");
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_NE(run.err.find(status == 0 ? "6 Labels Submitted" : "4 Labels Submitted"),
              std::string::npos)
        << run.err;
  }
}

// The same job through a real CUPS queue (cups-pdf), when the test command
// has set one up: the same labels in the same places.
TEST_F(LabelsCommandTest, ACupsQueuePrintsTheSameLabels) {
  const char* queue = std::getenv("TAVRILON_CUPS_QUEUE");
  const char* outputDir = std::getenv("TAVRILON_CUPS_PDF_DIR");
  if (queue == nullptr || outputDir == nullptr) {
    if (std::getenv("CI") != nullptr) {
      FAIL() << "CI must run this test: no CUPS queue was set up (TAVRILON_CUPS_QUEUE)";
    }
    GTEST_SKIP() << "no CUPS queue set up (TAVRILON_CUPS_QUEUE)";
  }
  const std::string skip = " --stock 5160 --skip " + std::to_string(kSkip);
  ASSERT_EQ(folder_.Run("labels log.adi --pdf own.pdf" + skip).status, 0);
  const BatchRun run = folder_.Run(std::string("labels log.adi --printer '") + queue + "'" + skip);
  ASSERT_EQ(run.status, 0) << run.err;

  // The queue's PDF, given half a second to be written whole, moved here:
  // nothing of the test stays in the queue's folder.
  ASSERT_EQ(folder_.Shell(std::string("for i in $(seq 600); do f=$(find '") + outputDir +
                          "' -name '*Tavrilon*.pdf' -newer own.pdf | head -1); [ -n \"$f\" ] && "
                          "sleep 0.5 && mv \"$f\" cups.pdf && exit 0; sleep 0.1; done; exit 1"),
            0)
      << "the queue wrote no PDF to " << outputDir;

  constexpr int kDpi = 100;
  for (int pageNumber : {1, 2}) {
    const PageImage own = RenderPdfPage(folder_ / "own.pdf", pageNumber, kDpi);
    const PageImage cups = RenderPdfPage(folder_ / "cups.pdf", pageNumber, kDpi);
    ASSERT_EQ(cups.width, own.width);
    ASSERT_EQ(cups.height, own.height);
    for (int i = 1; i <= kContacts; ++i) {
      const Spot spot = SpotOf(i);
      if (spot.page != pageNumber) {
        continue;
      }
      const int left = static_cast<int>(spot.left * kDpi);
      const int top = static_cast<int>(spot.top * kDpi);
      const auto a = own.BlueInk(left, top, left + 280, top + 100);
      const auto b = cups.BlueInk(left, top, left + 280, top + 100);
      ASSERT_LE(a.left, a.right) << CallOf(i) << ": no call on our own PDF";
      ASSERT_LE(b.left, b.right) << CallOf(i) << ": no call through CUPS";
      EXPECT_NEAR(a.left, b.left, 2) << CallOf(i);  // 0.02 inch
      EXPECT_NEAR(a.top, b.top, 2) << CallOf(i);
      EXPECT_NEAR(a.right, b.right, 2) << CallOf(i);
    }
  }
}

}  // namespace
}  // namespace tavrilon::test
