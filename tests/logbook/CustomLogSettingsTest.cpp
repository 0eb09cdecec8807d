#include <gtest/gtest.h>

#include "logbook/CustomLogSettings.h"
#include "support/TestSupport.h"

namespace tavrilon::logbook {
namespace {

class CustomLogSettingsTest : public ::testing::Test {
 protected:
  std::string Stored(const std::string& key) {
    return settings_.ReadSetting("Custom Log", key, "<missing>");
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
};

TEST_F(CustomLogSettingsTest, OpeningSplitsColumnsIntoFivePartsAndStoresAMissingGrid) {
  const std::pair<const char*, ColumnParts> cases[] = {
      {"CALL,41,CALL,41,10,99", {"CALL", "41", "CALL", "41", "10"}},  // a sixth part is not shown
      {"CALL,41", {"CALL", "41", "", "", ""}},
      {"CALL , 41,My Call,x,", {"CALL ", " 41", "My Call", "x", ""}},  // as typed
  };
  for (const auto& [stored, shown] : cases) {
    settings_.WriteSetting("Custom Log", "column5", stored);
    EXPECT_EQ(OpenCustomLogSetup(settings_).columns[4], shown) << stored;
  }
  // A missing or blank grid is stored as 250 at once.
  EXPECT_EQ(Stored("Grid"), "250");
  settings_.WriteSetting("Custom Log", "Grid", "");
  EXPECT_EQ(OpenCustomLogSetup(settings_).grid, "250");
  EXPECT_EQ(Stored("Grid"), "250");
  settings_.WriteSetting("Custom Log", "Grid", "abc");
  EXPECT_EQ(OpenCustomLogSetup(settings_).grid, "abc") << "shown: the page layout judges it";
}

TEST_F(CustomLogSettingsTest, WritingStoresEveryColumnAndTheGridAsTyped) {
  CustomLogSetup setup;
  setup.columns[1] = {" ", "", "", "", ""};  // the blank item of a field list
  setup.columns[2] = {"CALL", "41", "My, Call", "41", "10"};
  setup.columns[20] = {"COMMENT ", "161", "", "161", "30 "};
  setup.grid = " 260 ";
  WriteCustomLogSetup(setup, settings_);
  EXPECT_EQ(Stored("column2"), ",,,,");  // the whole value is trimmed
  EXPECT_EQ(Stored("column3"), "CALL,41,My, Call,41,10");
  EXPECT_EQ(Stored("column21"), "COMMENT ,161,,161,30");
  EXPECT_EQ(Stored("Grid"), "260");
  EXPECT_EQ(OpenCustomLogSetup(settings_).columns[2],
            ColumnParts({"CALL", "41", "My", " Call", "41"}));
}

}  // namespace
}  // namespace tavrilon::logbook
