#include <gtest/gtest.h>

#include "sheets/CustomSheets.h"
#include "sheets/SheetDescription.h"
#include "support/TestSupport.h"

namespace tavrilon::sheets {
namespace {

class CustomSheetsTest : public ::testing::Test {
 protected:
  void Store(int sheet, const std::string& value) {
    ASSERT_TRUE(settings_.WriteSetting("Custom Label", "Label-" + std::to_string(sheet), value));
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
};

// Every entry that keeps a sheet from being printed on is named, in order.
TEST_F(CustomSheetsTest, AFaultySheetNamesEveryEntryToFix) {
  const std::pair<const char*, const char*> cases[] = {
      {"Custom 2|3|10",
       "its Horizontal Pitch is missing; its Vertical Pitch is missing; its Top Margin is "
       "missing; its Left Margin is missing"},
      {"Custom 2|0|2.5|2,8|1|1.2.3|  ",
       "its Number Across \"0\" is not a whole number from 1 to 32767; its Number Down \"2.5\" "
       "is not a whole number from 1 to 32767; its Horizontal Pitch \"2,8\" is not a number of "
       "inches (0 or more); its Top Margin \"1.2.3\" is not a number of inches (0 or more); its "
       "Left Margin is missing"},
      {"Custom 2|32768|10|2.8|-0.1|0.45|0.15",
       "its Number Across \"32768\" is not a whole number from 1 to 32767; its Vertical Pitch "
       "\"-0.1\" is not a number of inches (0 or more)"},
  };
  for (const auto& [stored, says] : cases) {
    const auto parsed = ParseCustomSheet(2, stored);
    ASSERT_TRUE(std::holds_alternative<CustomSheetFault>(parsed)) << stored;
    EXPECT_EQ(CustomSheetFaultText(std::get<CustomSheetFault>(parsed)),
              "The label sheet Custom 2 cannot be printed on: " + std::string(says) +
                  ". Correct it under SetUp, Custom Label Sheet Setup.");
  }
}

TEST_F(CustomSheetsTest, ASheetIsDescribedAndShownByItsEntriesAsStored) {
  const std::pair<const char*, bool> cases[] = {
      {"Custom 3||||||", false},  // "Apply" of an empty row
      {"Custom 3| | |2.8|1|0.45|0.15", false},
      {"Custom 3||10||||", true},  // down alone is enough to be described
      {"Custom 3|3", true},
  };
  for (const auto& [stored, defined] : cases) {  // across or down makes a sheet defined
    EXPECT_EQ(IsCustomSheetDefined(stored), defined) << '"' << stored << '"';
    Store(3, stored);
    EXPECT_EQ(SheetDescription("Custom 3", settings_) == "Not Defined", !defined) << stored;
  }
  Store(2, "Custom 2| 2 |x|||");  // parts not trimmed, missing parts empty
  EXPECT_EQ(SheetDescription("CUSTOM 2", settings_),
            "Custom 2 - A:  2    D: x   HP:    VP:    TM:    LM: ");
  EXPECT_EQ(ReadCustomSheetEntries(2, settings_), (CustomSheetEntries{" 2 ", "x", "", "", "", ""}));
  EXPECT_EQ(ReadCustomSheetEntries(1, settings_), CustomSheetEntries{});
  EXPECT_EQ(SheetDescription("Avery", settings_), std::nullopt);  // the box keeps its text

  // The setup dialog stores its rows as typed.
  std::array<CustomSheetEntries, 3> rows{};
  rows[0] = {"3", " 10", "2.8", "1", "0.45", "abc"};
  WriteCustomSheets(rows, settings_);
  EXPECT_EQ(settings_.ReadSetting("custom label", "Label-1", ""), "Custom 1|3| 10|2.8|1|0.45|abc");
  EXPECT_EQ(settings_.ReadSetting("custom label", "Label-3", ""), "Custom 3||||||");
}

}  // namespace
}  // namespace tavrilon::sheets
