#include <algorithm>
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

// A 24-bit BMP of `width` by `height` pixels at 96 per inch, all red.
std::string RedBitmap(std::uint32_t width, std::uint32_t height) {
  const std::uint32_t row = (width * 3 + 3) / 4 * 4;
  std::string bmp(54 + row * height, '\0');
  const auto put = [&bmp](std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
      bmp[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put(2, static_cast<std::uint32_t>(bmp.size()));
  put(10, 54);
  put(14, 40);
  put(18, width);
  put(22, height);
  put(26, 1 | (24 << 16));
  put(38, 3780);  // pixels per metre
  put(42, 3780);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      bmp[54 + y * row + x * 3 + 2] = static_cast<char>(0xFF);
    }
  }
  return bmp;
}

// Design 1: a picture, the call once per label, each contact's date and a
// thank-you for a card received on every line.
class DesignCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(folder_ / "card.bmp", RedBitmap(96, 48));
    WriteFile(folder_ / "tavrilon.ini",
              "[QSL Labels]\nLabelLayOut=CUSTOM1\nLabelType=0\n"
              "[Custom Label Layout-1]\nName=Club card\nMultiLines=3\nMultiDx=0.2\n"
              "Orientation=Port\nPrint Image=TRUE\nImage Path=" +
                  (folder_ / "card.bmp").string() +
                  "\nField1ADIF=CALL\nField1Horiz=1.5\nField1Vert=0.05\nField1FontSize=12\n"
                  "Field2ADIF=QSO_DATE\nField2Horiz=0.1\nField2Vert=0.35\nField2MultiRpt=1\n"
                  "Field3Condition=QSL_RCVD|Equal|Y|^TNX|^PSE\nField3Horiz=A\nField3Vert=0.35\n"
                  "Field3MultiRpt=1\nField3Label=^QSL\n");
  }
  BatchFolder folder_{
      "<EOH>\n<CALL:4>W1AW<QSO_DATE:8>20240101<EOR>\n"
      "<CALL:5>K1ABC<QSO_DATE:8>20240102<EOR>\n"
      "<CALL:4>W1AW<QSO_DATE:8>20240103<QSL_RCVD:1>Y<EOR>\n"
      "<CALL:4>W1AW<QSO_DATE:8>20240104<EOR>\n"};
};

TEST_F(DesignCommandsTest, ACustomDesignPrintsFromTheSortedCopyWithItsPicture) {
  const BatchRun run = folder_.Run("labels log.adi --pdf out.pdf --stock 5160");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("2 Labels Submitted to the Printer"), std::string::npos) << run.err;
  // Where the texts go is the renderer's test; here they reach the PDF.
  const std::vector<PdfWord> words = ReadPdfWords(folder_ / "out.pdf");
  EXPECT_EQ(std::ranges::count(words, std::string("W1AW"), &PdfWord::text), 1);
  EXPECT_EQ(std::ranges::count(words, std::string("TNX"), &PdfWord::text), 1);
  EXPECT_EQ(std::ranges::count(words, std::string("PSE"), &PdfWord::text), 3);
  // The picture at its own size, an inch by half an inch, at each label's corner.
  const PageImage page = RenderPdfPage(folder_ / "out.pdf", 1, 50);
  const auto red = [&page](double x, double y) {
    const auto pixel = static_cast<std::size_t>(
        (static_cast<int>(y * 50) * page.width + static_cast<int>(x * 50)) * 3);
    return page.rgb.at(pixel) > 200 && page.rgb.at(pixel + 1) < 80 && page.rgb.at(pixel + 2) < 80;
  };
  EXPECT_TRUE(red(0.65, 0.6));
  EXPECT_FALSE(red(1.3, 0.6));
}

TEST_F(DesignCommandsTest, ThePreviewIsSavedAsABitmapAtTheChosenScale) {
  const BatchRun run = folder_.Run("preview log.adi --image sheet --scale 2 --stock 5160");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string bmp = ReadFile(folder_ / "sheet.bmp");
  ASSERT_GT(bmp.size(), 54U) << "sheet.bmp is missing";
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  // Half of a portrait letter page at 96 pixels per inch.
  std::int32_t size[2];
  std::memcpy(size, bmp.data() + 18, sizeof size);  // little-endian, as the format is
  EXPECT_EQ(size[0], 408);
  EXPECT_EQ(size[1], 528);
  // Never over the design's own picture: "card" becomes card.bmp.
  const std::string picture = ReadFile(folder_ / "card.bmp");
  EXPECT_EQ(folder_.Run("preview log.adi --image card --stock 5160").status, 64);
  EXPECT_EQ(ReadFile(folder_ / "card.bmp"), picture);
}

}  // namespace
}  // namespace tavrilon::test
