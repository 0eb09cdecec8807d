#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

// An invented maker, so that no installed sheet shares its name.
constexpr std::string_view kTemplates = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Oxlip" part="QX-324" size="A4" _description="Invented labels">
    <Label-rectangle id="0" width="66mm" height="34mm" round="2mm">
      <Layout nx="3" ny="8" x0="3mm" y0="4.5mm" dx="68mm" dy="36mm"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>
)";

// The settings name a folder of templates, one of which cannot be read.
class StocksCommandTest : public ::testing::Test {
 protected:
  StocksCommandTest() {
    fs::create_directory(folder_ / "sheets");
    WriteFile(folder_ / "sheets" / "oxlip.xml", kTemplates);
    WriteFile(folder_ / "sheets" / "broken.xml", "<Glabels-templates><Template>");
    WriteFile(folder_ / "tavrilon.ini",
              "[QSL Labels]\nTemplateFolder=" + (folder_ / "sheets").string() + "\n");
  }
  std::string SkippedWarning() const {
    return "Warning: skipped label sheet file " + (folder_ / "sheets" / "broken.xml").string();
  }
  BatchFolder folder_{ContactLog(4)};
};

// Each call lands inside the label the sheet puts it on, on the sheet's own
// paper; only a run that looked in the database names its unread file.
TEST_F(StocksCommandTest, EachCallLandsInsideItsLabelOnTheSheetsPaper) {
  constexpr double kMm = 72 / 25.4;
  const struct {
    const char* stock;
    double pageWidth, pageHeight;  // points
    // the first label's corner, the pitch and the label, in points
    double left, top, across, down, width, height;
    bool database;
  } cases[] = {
      {"'oxlip qx-324'", 595.3, 841.9, 3 * kMm, 4.5 * kMm, 68 * kMm, 36 * kMm, 66 * kMm, 34 * kMm,
       true},
      {"5160", 612, 792, 0.1875 * 72, 0.5 * 72, 2.75 * 72, 72, 2.625 * 72, 72, false},
  };
  for (const auto& c : cases) {
    const BatchRun run = folder_.Run("labels log.adi --pdf out.pdf --design DEFAULT --stock " +
                                     std::string(c.stock));
    ASSERT_EQ(run.status, 0) << c.stock << ": " << run.err;
    EXPECT_EQ(run.err.find(SkippedWarning()) != std::string::npos, c.database) << run.err;
    ASSERT_EQ(folder_.Shell("pdfinfo out.pdf | grep 'Page size' > info.txt"), 0);
    double width = 0, height = 0;
    std::sscanf(ReadFile(folder_ / "info.txt").c_str(), "Page size: %lf x %lf", &width, &height);
    EXPECT_NEAR(width, c.pageWidth, 0.5) << c.stock;
    EXPECT_NEAR(height, c.pageHeight, 0.5) << c.stock;
    const std::vector<PdfWord> words = ReadPdfWords(folder_ / "out.pdf");
    for (int i = 0; i < 4; ++i) {
      const std::string call = "ZZ" + std::to_string(i + 1) + "Q";
      const auto word = std::ranges::find(words, call, &PdfWord::text);
      ASSERT_NE(word, words.end()) << c.stock << " " << call;
      const double left = c.left + (i % 3) * c.across, top = c.top + (i / 3) * c.down;
      EXPECT_TRUE(word->xMin > left - 0.1 && word->xMax < left + c.width) << c.stock << call;
      EXPECT_TRUE(word->yMin > top - 0.1 && word->yMax < top + c.height) << c.stock << call;
    }
  }
  const BatchRun unknown =
      folder_.Run("labels log.adi --pdf out.pdf --design DEFAULT --stock 'Oxlip 999'");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.err.find("The label sheet \"Oxlip 999\" is not known"), std::string::npos);
  EXPECT_NE(unknown.err.find(SkippedWarning()), std::string::npos);
}

// The catalogue's stocks without a brand, so that the part is what --stock
// takes, then the database's; a search filters both, word by word in any case.
TEST_F(StocksCommandTest, ListsTheCatalogueThenTheDatabaseAndSearchesBoth) {
  const BatchRun all = folder_.Run("stocks");
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(all.out.rfind("\t5160\tUS-Letter\t2.625 x 1 in\t3 x 10\t5160 - A: 3 ", 0), 0U);
  const auto last = all.out.find("\n\tL7164\tA4\t2.5 x 2.83 in\t3 x 4\t");
  EXPECT_EQ(std::count(all.out.begin(), all.out.begin() + static_cast<long>(last) + 1, '\n'), 29);
  EXPECT_NE(all.err.find(SkippedWarning()), std::string::npos) << all.err;

  const BatchRun found = folder_.Run("stocks -search='oxlip 66X34MM'");
  EXPECT_EQ(found.out, "Oxlip\tQX-324\tA4\t66 x 34 mm\t3 x 8\tInvented labels\n");
  EXPECT_EQ(folder_.Run("stocks --search 2.625X1IN").out.rfind("\t5160\t", 0), 0U);
  const BatchRun none = folder_.Run("stocks --search 'oxlip letter'");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("No label sheet matches \"oxlip letter\"."), std::string::npos);
}

}  // namespace
}  // namespace tavrilon::test
