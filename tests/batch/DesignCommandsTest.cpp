#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"
#include "designs/DesignKeys.h"

namespace tavrilon::test {
namespace {

// A 24-bit BMP of 96 by 48 pixels at 96 per inch (3780 per metre), all blue.
std::string BlueBitmap() {
  using namespace std::string_view_literals;
  std::string bmp(
      "BM\x36\x36\0\0\0\0\0\0\x36\0\0\0"                            // file size, pixels' offset
      "\x28\0\0\0\x60\0\0\0\x30\0\0\0\x01\0\x18\0\0\0\0\0\0\0\0\0"  // 96 by 48, 24 bits
      "\xC4\x0E\0\0\xC4\x0E\0\0\0\0\0\0\0\0\0\0"sv);
  for (int pixel = 0; pixel < 96 * 48; ++pixel) {
    bmp += "\xFF\0\0"sv;  // blue, green, red
  }
  return bmp;
}

// Design 1: a picture and the call.
class DesignCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(folder_ / "card.bmp", BlueBitmap());
    WriteFile(folder_ / "tavrilon.ini",
              "[QSL Labels]\nLabelLayOut=CUSTOM1\n[Custom Label Layout-1]\nOrientation=Port\n"
              "Print Image=TRUE\nField1ADIF=CALL\nField1Horiz=1.5\nImage Path=" +
                  (folder_ / "card.bmp").string() + "\n");
  }
  BatchFolder folder_{ContactLog(2)};
};

// What each field prints, and where, is the renderer's test; here the picture
// is read from its file and printed at its own size, an inch by half an inch,
// at the label's corner.
TEST_F(DesignCommandsTest, ACustomDesignPrintsItsPictureAtItsOwnSize) {
  const BatchRun run = folder_.Run("labels log.adi --pdf out.pdf --stock 5160");
  ASSERT_EQ(run.status, 0) << run.err;
  // At 50 dots an inch, the first label's corner, left of its call.
  const PageImage::Box card = RenderPdfPage(folder_ / "out.pdf", 1, 50).BlueInk(0, 0, 75, 75);
  EXPECT_NEAR(card.left, 0.1875 * 50, 1);
  EXPECT_NEAR(card.top, 0.5 * 50, 1);
  EXPECT_NEAR(card.right - card.left, 50, 1);  // an inch
  EXPECT_NEAR(card.bottom - card.top, 25, 1);  // half an inch
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

TEST_F(DesignCommandsTest, AnExportedDesignIsImportedIntoAnotherSlotWithItsPicture) {
  ASSERT_EQ(folder_.Run("design export CUSTOM1 club.tvdesign").status, 0);
  const BatchRun run = folder_.Run("design import club.tvdesign custom2");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::filesystem::path picture = folder_ / "pictures" / "design2-card.bmp";
  EXPECT_EQ(ReadFile(picture), BlueBitmap());
  settings::SettingsFile settings(folder_ / "tavrilon.ini");
  designs::DesignKeys first = designs::ReadDesignKeys(settings, 1);
  designs::DesignKeys second = designs::ReadDesignKeys(settings, 2);
  for (designs::DesignKeyValue& key : second) {
    if (key.key == "Image Path") {
      EXPECT_EQ(key.value, picture.string());
      key.value = (folder_ / "card.bmp").string();
    }
  }
  EXPECT_EQ(second, first);
  // The same sheet, picture and call at the same places.
  for (const char* design : {"CUSTOM1", "CUSTOM2"}) {
    const BatchRun printed = folder_.Run(std::string("labels log.adi --stock 5160 --design ") +
                                         design + " --pdf " + design + ".pdf");
    ASSERT_EQ(printed.status, 0) << printed.err;
  }
  const PageImage imported = RenderPdfPage(folder_ / "CUSTOM2.pdf", 1, 50);
  EXPECT_EQ(RenderPdfPage(folder_ / "CUSTOM1.pdf", 1, 50).rgb, imported.rgb);
  EXPECT_GT(imported.BlueInk(0, 0, 75, 75).right, 0);
}

TEST_F(DesignCommandsTest, AnImportReplacesADesignOnlyWithReplace) {
  ASSERT_EQ(folder_.Run("design export CUSTOM1 club.tvdesign").status, 0);
  const BatchRun refused = folder_.Run("design import club.tvdesign CUSTOM1");
  EXPECT_EQ(refused.status, 64);
  EXPECT_EQ(refused.err,
            "Custom label design 1 already holds a design. Give --replace to replace it.\n");
  settings::SettingsFile settings(folder_ / "tavrilon.ini");
  const settings::NumberedKey path = settings::DesignKey(1, settings::kDesignImagePath);
  EXPECT_EQ(settings.ReadSetting(path, ""), (folder_ / "card.bmp").string());
  EXPECT_EQ(folder_.Run("design import club.tvdesign CUSTOM1 --replace").status, 0);
  EXPECT_EQ(settings.ReadSetting(path, ""), (folder_ / "pictures" / "design1-card.bmp").string());
  EXPECT_EQ(folder_.Run("design export DEFAULT club.tvdesign").status, 64);
  const std::string kept = ReadFile(folder_ / "tavrilon.ini");
  EXPECT_EQ(folder_.Run("design export CUSTOM1 tavrilon.ini").status, 64);
  EXPECT_EQ(ReadFile(folder_ / "tavrilon.ini"), kept);
}

}  // namespace
}  // namespace tavrilon::test
