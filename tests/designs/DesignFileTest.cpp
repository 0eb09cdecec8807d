#include <algorithm>

#include <gtest/gtest.h>

#include "designs/DesignFile.h"
#include "designs/DesignFiles.h"
#include "support/TestSupport.h"

namespace tavrilon::designs {
namespace {

constexpr std::string_view kHeader = "Tavrilon design file 1\n";
const std::string kPicture("BM\0\xFF picture", 12);

std::string& ImagePathOf(DesignKeys& keys) {
  return std::ranges::find(keys, "Image Path", &DesignKeyValue::key)->value;
}
std::string ImagePath(DesignKeys keys) {
  return ImagePathOf(keys);
}

class DesignFileTest : public ::testing::Test {
 protected:
  // Slot 1 holds a value of its own in every key, and a picture.
  void SetUp() override {
    test::WriteFile(dir_ / "card.bmp", kPicture);
    DesignKeys keys;
    for (const std::string& name : DesignKeyNames()) {
      keys.push_back({name, name + "|Od\u017Eak=" + std::to_string(keys.size())});
    }
    ImagePathOf(keys) = (dir_ / "card.bmp").string();
    ASSERT_TRUE(WriteDesignKeys(settings_, 1, keys));
  }
  SlotOutcome Import(int design, bool replace) {
    return ImportDesign(settings_, design, file_, pictures_, replace);
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  std::filesystem::path file_ = dir_ / "club.tvdesign";
  std::filesystem::path pictures_ = dir_ / "pictures";
};

TEST_F(DesignFileTest, ADesignGoesThroughItsFileToAnotherSlotWithItsPicture) {
  ASSERT_EQ(ExportDesign(settings_, 1, file_, {}), "");
  EXPECT_TRUE(test::ReadFile(file_).starts_with(kHeader));
  ASSERT_EQ(Import(2, false).change, SlotChange::Done);
  DesignKeys first = ReadDesignKeys(settings_, 1);
  DesignKeys second = ReadDesignKeys(settings_, 2);
  EXPECT_EQ(ImagePath(second), (pictures_ / "design2-card.bmp").string());
  EXPECT_EQ(test::ReadFile(ImagePath(second)), test::ReadFile(dir_ / "card.bmp"));
  ImagePathOf(second) = ImagePathOf(first);
  EXPECT_EQ(second, first);

  // A copy prints the same file; a picture of other bytes imported later
  // under the same name takes a name of its own and leaves the copy's alone.
  ASSERT_EQ(CopyDesign(settings_, 2, 3, false).change, SlotChange::Done);
  EXPECT_EQ(CopyDesign(settings_, 1, 3, false).change, SlotChange::SlotHoldsDesign);
  EXPECT_EQ(ImagePath(ReadDesignKeys(settings_, 3)), (pictures_ / "design2-card.bmp").string());
  test::WriteFile(dir_ / "card.bmp", "another picture");
  ASSERT_EQ(ExportDesign(settings_, 1, file_, {}), "");
  ASSERT_EQ(Import(2, true).change, SlotChange::Done);
  EXPECT_EQ(test::ReadFile(ImagePath(ReadDesignKeys(settings_, 2))), "another picture");
  EXPECT_EQ(test::ReadFile(pictures_ / "design2-card.bmp"), kPicture);
  // Passed on again, the picture keeps its own name.
  ASSERT_EQ(ExportDesign(settings_, 3, file_, {}), "");
  ASSERT_EQ(Import(1, true).change, SlotChange::Done);
  EXPECT_EQ(ImagePath(ReadDesignKeys(settings_, 1)), (pictures_ / "design1-card.bmp").string());
}

TEST_F(DesignFileTest, ASlotHoldingADesignIsReplacedOnlyWhenAsked) {
  ASSERT_EQ(ExportDesign(settings_, 1, file_, {}), "");
  settings_.WriteSetting("Custom Label Layout-2", "Field3ADIF", "CALL");
  const SlotOutcome refused = Import(2, false);
  EXPECT_EQ(refused.change, SlotChange::SlotHoldsDesign);
  EXPECT_EQ(refused.message, "Custom label design 2 already holds a design.");
  EXPECT_EQ(CopyDesign(settings_, 2, 1, false).message,
            "Custom label design 1 already holds the design \"Name|Od\u017Eak=0\".");
  EXPECT_EQ(settings_.ReadSetting("Custom Label Layout-2", "Field3ADIF", ""), "CALL");
  EXPECT_FALSE(std::filesystem::exists(pictures_));
}

TEST_F(DesignFileTest, FailuresNameTheFileAndTheReason) {
  settings_.WriteSetting("Custom Label Layout-1", "Image Path", (dir_ / "gone.bmp").string());
  EXPECT_EQ(ExportDesign(settings_, 1, file_, {}),
            "The picture " + (dir_ / "gone.bmp").string() +
                " of custom label design 1 cannot be read: No such file or directory");
  // Never over a file the program needs, such as the log.
  test::WriteFile(dir_ / "log.adi", "<EOH>\n");
  EXPECT_NE(ExportDesign(settings_, 1, dir_ / "log.adi", {dir_ / "log.adi"}), "");
  EXPECT_EQ(test::ReadFile(dir_ / "log.adi"), "<EOH>\n");
  EXPECT_EQ(Import(2, true).message,
            "The design file " + file_.string() + " cannot be read: No such file or directory");
  test::WriteFile(file_, "Tavrilon design file 2\n[Design]\nName=x\n");
  EXPECT_EQ(Import(2, true).message,
            "The design file " + file_.string() +
                " cannot be read: line 1: the file was written by a newer version of Tavrilon "
                "(design file version 2; this version reads up to 1)");
  std::filesystem::resize_file(file_, (std::uintmax_t{256} << 20) + 1);  // sparse: no disk used
  EXPECT_EQ(Import(2, true).message, "The design file " + file_.string() +
                                         " cannot be read: at 268435457 bytes it is larger "
                                         "than any design file");
}

// Keys a file lacks, as an older one lacks the alignment, are empty.
TEST(DesignFile, KeysMissingReadAsEmptyAndCrLfEndsLines) {
  const ParsedDesignFile parsed = ParseDesignFile(
      "Tavrilon design file 1\r\n[Design]\r\nField1ADIF=CALL\r\nField1Align=Right\r\n\r\n");
  ASSERT_TRUE(parsed.content) << parsed.error;
  const DesignKeys& keys = parsed.content->keys;
  ASSERT_EQ(keys.size(), DesignKeyNames().size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].key, DesignKeyNames()[i]);
    const bool given = keys[i].key == "Field1ADIF" || keys[i].key == "Field1Align";
    EXPECT_EQ(keys[i].value.empty(), !given) << keys[i].key;
  }
  EXPECT_FALSE(parsed.content->picture);
}

TEST(DesignFile, ABrokenFileIsRefusedNamingTheLine) {
  const std::string h(kHeader);
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"", "line 1: this is no Tavrilon design file"},
      {"Tavrilon design file x\n", "line 1: this is no Tavrilon design file"},
      {"BM\xFF\n", "line 1: this is no Tavrilon design file"},
      {h + "[Design]\nName=a\n[Fields]\n", "line 4: unknown section \"[Fields]\""},
      {h + "Name=a\n", "line 2: a line before the first section"},
      {h + "[Design]\nName\n", "line 3: \"Name\" is no key=value line"},
      {h + "[Design]\nColour=1\n", "line 3: \"Colour\" is no key of a design"},
      {h + "[Design]\r\nName=a\r\nName=b\r\n", "line 4: the key \"Name\" is given twice"},
      {h + "[Design]\n[Design]\n", "line 3: the section [Design] is given twice"},
      {h + "[Design]\nName=\xFF\n", "line 3: the text is not UTF-8"},
      {h + "[Picture]\nFile=a.bmp\n", "line 3: the file ends without a [Design] section"},
      {h + "[Design]\n[Picture]\nZm9v\n",
       "line 4: the picture's base64 comes before its File= line"},
      {h + "[Design]\n[Picture]\n", "line 3: the section [Picture] has no File= line"},
      {h + "[Design]\n[Picture]\nFile=a.bmp\nZm9v\nZm9v!\n",
       "line 6: the picture's base64 is broken: \"!\" at character 5 is not base64"},
  };
  for (const auto& c : cases) {
    const ParsedDesignFile parsed = ParseDesignFile(c.text);
    EXPECT_FALSE(parsed.content) << c.text;
    EXPECT_TRUE(parsed.error.starts_with(c.error)) << parsed.error;
  }
}

}  // namespace
}  // namespace tavrilon::designs
