#include <gtest/gtest.h>

#include "logbook/CustomLogSettings.h"
#include "support/TestSupport.h"

namespace tavrilon::logbook {
namespace {

class CustomLogSettingsTest : public ::testing::Test {
 protected:
  void Store(const std::string& key, const std::string& value) {
    ASSERT_TRUE(settings_.WriteSetting("Custom Log", key, value));
  }
  std::string Stored(const std::string& key) {
    return settings_.ReadSetting("Custom Log", key, "<missing>");
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
};

TEST_F(CustomLogSettingsTest, ColumnsAreSplitAtEveryComma) {
  struct Case {
    const char* stored;
    ColumnParts shown;
    const char* why;
  } cases[] = {
      {"CALL,41,CALL,41,10", {"CALL", "41", "CALL", "41", "10"}, "all five parts"},
      {"CALL,41,CALL,41,10,99", {"CALL", "41", "CALL", "41", "10"}, "a sixth part is not shown"},
      {"CALL,41", {"CALL", "41", "", "", ""}, "missing parts leave their boxes empty"},
      {"CALL", {"CALL", "", "", "", ""}, "a field alone"},
      {",,,,", {"", "", "", "", ""}, "separators only"},
      {"", {"", "", "", "", ""}, "empty"},
      {",,TOTAL,200,", {"", "", "TOTAL", "200", ""}, "a heading without a field"},
      {"QSO_DATE,11,DA,TE,11,11", {"QSO_DATE", "11", "DA", "TE", "11"}, "a comma in a heading"},
      {"CALL , 41,My Call,x,", {"CALL ", " 41", "My Call", "x", ""}, "inner blanks and text kept"},
      {"\t", {"\t", "", "", "", ""}, "a tab is not a blank"},
  };
  for (const Case& c : cases) {
    Store("column5", c.stored);
    EXPECT_EQ(OpenCustomLogSetup(settings_).columns[4], c.shown) << c.why;
  }
}

TEST_F(CustomLogSettingsTest, AMissingOrBlankGridIsStoredAs250AtOnce) {
  EXPECT_EQ(OpenCustomLogSetup(settings_).grid, "250");
  EXPECT_EQ(Stored("Grid"), "250");

  Store("Grid", "");
  EXPECT_EQ(OpenCustomLogSetup(settings_).grid, "250");
  EXPECT_EQ(Stored("Grid"), "250");

  Store("Grid", "abc");  // shown as stored, not rewritten: the page layout judges it
  const std::string before = test::ReadFile(settings_.Path());
  EXPECT_EQ(OpenCustomLogSetup(settings_).grid, "abc");
  EXPECT_EQ(test::ReadFile(settings_.Path()), before);
}

TEST_F(CustomLogSettingsTest, WritingStoresEveryColumnAsTypedThenTheGrid) {
  CustomLogSetup setup;
  setup.columns[0] = {"QSO_DATE", "11", "DATE", "11", "11"};
  setup.columns[1] = {" ", "", "", "", ""};  // the blank item of a field list
  setup.columns[2] = {"CALL", "41", "My, Call", "41", "10"};
  setup.columns[3] = {"", " 5", "H", "x", " "};
  setup.columns[20] = {"COMMENT ", "161", "", "161", "30 "};
  setup.grid = " 260 ";
  WriteCustomLogSetup(setup, settings_);

  EXPECT_EQ(Stored("column1"), "QSO_DATE,11,DATE,11,11");
  EXPECT_EQ(Stored("column2"), ",,,,");  // the whole value is trimmed
  EXPECT_EQ(Stored("column3"), "CALL,41,My, Call,41,10");
  EXPECT_EQ(Stored("column4"), ", 5,H,x,");
  EXPECT_EQ(Stored("column21"), "COMMENT ,161,,161,30");
  for (int c = 5; c <= 20; ++c) {
    EXPECT_EQ(Stored("column" + std::to_string(c)), ",,,,") << c;
  }
  EXPECT_EQ(Stored("Grid"), "260");
  const std::string file = test::ReadFile(settings_.Path());
  EXPECT_LT(file.find("column21="), file.find("Grid="));

  const CustomLogSetup back = OpenCustomLogSetup(settings_);
  EXPECT_EQ(back.columns[2], ColumnParts({"CALL", "41", "My", " Call", "41"}));
  EXPECT_EQ(back.columns[1], ColumnParts());
  EXPECT_EQ(back.grid, "260");
}

TEST(FieldChoicesTest, EveryLineThatIsNotBlankAsRead) {
  test::TempDir dir;
  test::WriteFile(dir / "tvadif.txt", "first line\r\nCALL\n\n   \n  BAND \r\n\t\nmode");
  EXPECT_EQ(ReadFieldChoices(dir / "tvadif.txt"),
            std::vector<std::string>({"first line", "CALL", "  BAND ", "\t", "mode"}));
}

TEST(FieldChoicesTest, AMissingDictionaryGivesNoChoices) {
  test::TempDir dir;
  EXPECT_TRUE(ReadFieldChoices(dir / "tvadif.txt").empty());
}

}  // namespace
}  // namespace tavrilon::logbook
