#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

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
  return {label / 30 + 1, 0.15 + (onPage % 3) * 2.8, 0.45 + (onPage / 3) * 1.0};
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
  EXPECT_NE(run.err.find("40 Labels Submitted to the Printer"), std::string::npos) << run.err;
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
  EXPECT_NE(run.err.find("40 contacts saved as sent to sent.adi"), std::string::npos) << run.err;

  // The round trip of each field is the sent contacts' test; here the options.
  const std::string sent = ReadFile(folder_ / "sent.adi");
  EXPECT_TRUE(sent.find("<QSLSDATE:8>" + before) != std::string::npos ||
              sent.find("<QSLSDATE:8>" + after) != std::string::npos);
  EXPECT_NE(sent.find("<QSL_SENT:1>Y<QSLSDATE"), std::string::npos);
  EXPECT_NE(sent.find("<QSL_SENT_VIA:1>B<EOR>"), std::string::npos);

  const BatchRun overPdf = folder_.Run("labels log.adi --pdf out.pdf --sent-log out.pdf");
  EXPECT_EQ(overPdf.status, 64);
  EXPECT_NE(overPdf.err.find("The sent log cannot be written over"), std::string::npos);
  // The stored custom design 2 has no field: the older out.pdf stays as it was.
  const std::string printed = ReadFile(folder_ / "out.pdf");
  const BatchRun blank =
      folder_.Run("labels log.adi --pdf out.pdf --design CUSTOM2 --sent-log later.adi");
  EXPECT_EQ(blank.status, 1);
  EXPECT_NE(blank.err.find("drew nothing on the 40 labels of log.adi"), std::string::npos)
      << blank.err;
  EXPECT_TRUE(ReadFile(folder_ / "out.pdf") == printed);
  EXPECT_FALSE(fs::exists(folder_ / "later.adi"));
  EXPECT_EQ(ReadFile(folder_ / "log.adi"), ContactLog(kContacts));
}

// Style 3 over a callbook of the public licence files: each contact's QSL
// label, the station's mailing label and the return label side by side.
TEST(SimpleLabelsCommandTest, Style3PrintsQslMailingAndReturnLabelsInARow) {
  BatchFolder folder(
      "<EOH>\n<CALL:5>W1AAA<QSO_DATE:8>20240305<TIME_ON:4>1407<FREQ:6>14.025<RST_SENT:3>599<EOR>\n"
      "<CALL:4>ZZ9Q<QSO_DATE:8>20240305<TIME_ON:4>1408<FREQ:6>14.025<RST_SENT:3>599<EOR>\n");
  WriteUsCallbook(folder / "callbook",
                  {"EN|9900101|||W1AAA|L|L09900101|SAMPLE, ALICE Q|ALICE|Q|SAMPLE|||||12 EXAMPLE "
                   "LN|TESTVILLE|CT|060011234|||000|0099000101|I||||||"});
  WriteFile(folder / "tavrilon.ini",
            "[QSL Labels]\nUseQRZ=TRUE\nCDdrive=" + (folder / "callbook").string() +
                "\n[Return Label]\nLine1=K9ME\nLine2=Box 9\n");
  const BatchRun run =
      folder.Run("labels log.adi --pdf out.pdf --stock 5160 --design SIMPLE --style 3");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("6 Labels Submitted to the Printer"), std::string::npos) << run.err;
  // Where each label lands is the label run's test; here the mailing label's
  // address comes from the callbook through the settings file.
  const std::vector<PdfWord> words = ReadPdfWords(folder / "out.pdf");
  for (const char* word : {"SAMPLE", "06001-1234", "K9ME", "Found"}) {
    EXPECT_NE(std::ranges::find(words, word, &PdfWord::text), words.end()) << word;
  }

  // One byte of the index changed: the run makes it again, never prints from it.
  const fs::path index = folder / "callbook" / "tavrilon-callbook.idx";
  std::string damaged = ReadFile(index);
  damaged[damaged.rfind("06001")] = '9';
  WriteFile(index, damaged);
  ASSERT_EQ(
      folder.Run("labels log.adi --pdf out.pdf --stock 5160 --design SIMPLE --style 3").status, 0);
  const std::vector<PdfWord> again = ReadPdfWords(folder / "out.pdf");
  EXPECT_NE(std::ranges::find(again, "06001-1234", &PdfWord::text), again.end());
  EXPECT_EQ(ReadFile(index).find("96001"), std::string::npos);

  // Without a callbook to use, the labels print without the mailing labels,
  // and the status tells a script so.
  WriteFile(folder / "tavrilon.ini", "[QSL Labels]\nUseQRZ=TRUE\nCDdrive=/nowhere\n");
  const BatchRun without =
      folder.Run("labels log.adi --pdf out.pdf --stock 5160 --design SIMPLE --style 2");
  EXPECT_EQ(without.status, 3) << without.err;
  EXPECT_NE(without.err.find("Error: the QRZ Database could not be found.\n/nowhere"),
            std::string::npos)
      << without.err;
  // Each contact's QSL label and the return label.
  EXPECT_NE(without.err.find("4 Labels Submitted to the Printer"), std::string::npos);
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
  const auto started = fs::file_time_type::clock::now();
  const std::string skip = " --stock 5160 --skip " + std::to_string(kSkip);
  ASSERT_EQ(folder_.Run("labels log.adi --pdf own.pdf" + skip).status, 0);
  const BatchRun run = folder_.Run(std::string("labels log.adi --printer '") + queue + "'" + skip);
  ASSERT_EQ(run.status, 0) << run.err;

  fs::path printed;
  for (int wait = 0; wait < 600 && printed.empty(); ++wait) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(outputDir, ec)) {
      if (entry.path().extension() == ".pdf" && entry.last_write_time() >= started &&
          entry.path().filename().string().find("Tavrilon") != std::string::npos) {
        printed = entry.path();
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  ASSERT_FALSE(printed.empty()) << "the queue wrote no PDF to " << outputDir;
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it finish writing
  // Work on a copy, and leave nothing of the test in the queue's folder.
  fs::copy_file(printed, folder_ / "cups.pdf");
  fs::remove(printed);
  printed = folder_ / "cups.pdf";

  constexpr int kDpi = 100;
  for (int pageNumber : {1, 2}) {
    const PageImage own = RenderPdfPage(folder_ / "own.pdf", pageNumber, kDpi);
    const PageImage cups = RenderPdfPage(printed, pageNumber, kDpi);
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
