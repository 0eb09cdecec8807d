#include <gtest/gtest.h>

#include "designs/DesignEditing.h"
#include "support/TestSupport.h"

namespace tavrilon::designs {
namespace {

class DesignEditingTest : public ::testing::Test {
 protected:
  std::string Stored(const char* key) {
    return settings_.ReadSetting("Custom Label Layout-2", key, "<missing>");
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
};

// The dialog stores its condition row whole: "|Equal|||" is none, and
// "|NotEqual|||" a condition in force that adds nothing. What it reads back
// is what the renderer reads, so an unchanged field is written back as it prints.
TEST_F(DesignEditingTest, FieldOptionsAreStoredAsTypedWithTheirConditionRow) {
  const auto read = [this] { return OptionsOf(ReadDesignField(settings_, 2, 4)); };
  FieldOptions options;
  options.fontSize = 10.5;
  options.italic = true;
  options.repeats = true;
  WriteFieldOptions(settings_, 2, 4, options);
  EXPECT_EQ(Stored("Field4Condition"), "|Equal|||");
  EXPECT_EQ(Stored("Field4FontSize"), "10.5");
  EXPECT_EQ(Stored("Field4FontItalic"), "True");
  EXPECT_EQ(Stored("Field4MultiRpt"), "1");

  options.testsEqual = false;
  WriteFieldOptions(settings_, 2, 4, options);
  EXPECT_EQ(Stored("Field4Condition"), "|NotEqual|||");

  for (const auto& [key, value] : {std::pair("Field4Condition", "QSL_RCVD|Equal|^Y|TNX|PSE|x"),
                                   {"Field4MultiRpt", "1.0"},
                                   {"Field4Vert", "abc"}}) {
    settings_.WriteSetting("Custom Label Layout-2", key, value);
  }
  options = read();
  EXPECT_EQ(options.testField, "QSL_RCVD");
  EXPECT_TRUE(options.testsEqual);
  EXPECT_EQ(options.compareText, "^Y");  // as typed
  EXPECT_EQ(options.elseText, "PSE|x");  // the fifth part keeps the rest
  WriteFieldOptions(settings_, 2, 4, options);
  EXPECT_EQ(Stored("Field4MultiRpt"), "1");
  EXPECT_EQ(Stored("Field4Vert"), "abc");  // typed text is kept for the user to see
}

TEST_F(DesignEditingTest, ClearingTheFieldsKeepsTheDesignsOwnKeys) {
  settings_.WriteSetting("Custom Label Layout-2", "ShowGrid", "1");
  settings_.WriteSetting("Custom Label Layout-2", "Image Path", "/home/op/card.bmp");
  settings_.WriteSetting("Custom Label Layout-2", "Field15ADIF", "CALL");
  settings_.WriteSetting("Custom Label Layout-2", "Field15FontColor", "255");
  ClearDesignFields(settings_, 2);
  EXPECT_EQ(Stored("ShowGrid"), "1");
  EXPECT_EQ(Stored("Image Path"), "/home/op/card.bmp");
  EXPECT_EQ(Stored("Field15ADIF"), "");
  EXPECT_EQ(Stored("Field15FontColor"), "0");
}

// The property panel writes one key per edit, so that undo and a file edited
// meanwhile keep the field's other keys.
TEST_F(DesignEditingTest, AnEditWritesOnlyTheKeysItChanged) {
  settings_.WriteSetting("Custom Label Layout-2", "Field4Horiz", "0.5");
  const FieldOptions before = OptionsOf(ReadDesignField(settings_, 2, 4));
  FieldOptions after = before;
  after.align = FieldAlign::Right;
  after.bold = true;
  WriteChangedFieldOptions(settings_, 2, 4, before, after);
  EXPECT_EQ(Stored("Field4Align"), "Right");
  EXPECT_EQ(Stored("Field4FontBold"), "True");
  EXPECT_EQ(Stored("Field4Condition"), "<missing>");
  EXPECT_EQ(Stored("Field4FontName"), "<missing>");
  EXPECT_EQ(ReadDesignField(settings_, 2, 4).align, FieldAlign::Right);
}

// Dragged with the grid on, a field lands on the nearest 0.05 inch.
TEST_F(DesignEditingTest, ADraggedFieldSnapsToTheGridWhenAsked) {
  settings_.WriteSetting("Custom Label Layout-2", "Field4Horiz", "0.52");
  settings_.WriteSetting("Custom Label Layout-2", "Field4Vert", "0.31");
  ASSERT_TRUE(MoveDesignField(settings_, 2, 4, 0.105, -0.1, 0.05));
  EXPECT_EQ(Stored("Field4Horiz"), "0.65");
  EXPECT_EQ(Stored("Field4Vert"), "0.2");
  ASSERT_TRUE(MoveDesignField(settings_, 2, 4, 0.013, 0));
  EXPECT_EQ(Stored("Field4Horiz"), "0.66");
}

TEST(DesignEditing, PositionsAreRoundedToHundredthsWithoutTrailingZeros) {
  const struct {
    double inches;
    const char* text;
  } cases[] = {{1.254, "1.25"}, {0.5, "0.5"}, {2, "2"}, {-0.001, "0"}, {-0.256, "-0.26"}};
  for (const auto& c : cases) {
    EXPECT_EQ(HundredthsText(c.inches), c.text) << c.inches;
  }
}

}  // namespace
}  // namespace tavrilon::designs
