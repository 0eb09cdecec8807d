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
  InstalledSheets installed_;
};

// Every entry that keeps a sheet from being printed on is named, in order.
TEST_F(CustomSheetsTest, AFaultySheetNamesEveryEntryToFix) {
  const std::pair<const char*, const char*> cases[] = {
      {"Custom 2|3|10",
       "its Horizontal Pitch is missing; its Vertical Pitch is missing; its Top Margin is "
       "missing; its Left Margin is missing"},
      // A label size is not held against a pitch or a count that is wrong itself.
      {"Custom 2|0|2.5|2,8|1|1.2.3|  |9|9",
       "its Number Across \"0\" is not a whole number from 1 to 32767; its Number Down \"2.5\" "
       "is not a whole number from 1 to 32767; its Horizontal Pitch \"2,8\" is not a number of "
       "inches (0 or more); its Top Margin \"1.2.3\" is not a number of inches (0 or more); its "
       "Left Margin is missing"},
      {"Custom 2|32768|10|2.8|-0.1|0.45|0.15",
       "its Number Across \"32768\" is not a whole number from 1 to 32767; its Vertical Pitch "
       "\"-0.1\" is not a number of inches (0 or more)"},
      {"Custom 2|3|10|2.8|1|0.45|0.15|2 in|-1",
       "its Label Width \"2 in\" is not a number of inches (0 or more); its Label Height \"-1\" "
       "is not a number of inches (0 or more)"},
      {"Custom 2|3|10|2.8|1|0.45|0.15|3|1.01",
       "its Label Width \"3\" is larger than its Horizontal Pitch; its Label Height \"1.01\" is "
       "larger than its Vertical Pitch"},
  };
  for (const auto& [stored, says] : cases) {
    const auto parsed = ParseCustomSheet(2, stored);
    ASSERT_TRUE(std::holds_alternative<CustomSheetFault>(parsed)) << stored;
    EXPECT_EQ(CustomSheetFaultText(std::get<CustomSheetFault>(parsed)),
              "The label sheet Custom 2 cannot be printed on: " + std::string(says) +
                  ". Correct it under SetUp, Custom Label Sheet Setup.");
  }
}

// A sheet stored before labels had a size, or with the size left blank, has
// labels as large as the pitch; a single label may be larger than its pitch.
TEST_F(CustomSheetsTest, TheLabelIsAsLargeAsThePitchUnlessGiven) {
  const struct {
    const char* stored;
    double width, height;
  } cases[] = {
      {"Custom 1|3|10|2.8|1|0.45|0.15", 2.8, 1},
      {"Custom 1|3|10|2.8|1|0.45|0.15|2.6|0.9", 2.6, 0.9},
      {"Custom 1|3|10|2.8|1|0.45|0.15| |", 2.8, 1},
      {"Custom 1|1|1|2.8|1|0.45|0.15|6|4", 6, 4},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseCustomSheet(1, c.stored);
    const auto* sheet = std::get_if<LabelSheet>(&parsed);
    ASSERT_TRUE(sheet) << c.stored;
    EXPECT_EQ(std::pair(sheet->labelWidth, sheet->labelHeight), std::pair(c.width, c.height))
        << c.stored;
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
    EXPECT_EQ(SheetDescription("Custom 3", settings_, installed_) == "Not Defined", !defined)
        << stored;
  }
  Store(2, "Custom 2| 2 |x|||");  // parts not trimmed, missing parts empty
  EXPECT_EQ(SheetDescription("CUSTOM 2", settings_, installed_),
            "Custom 2 - A:  2    D: x   HP:    VP:    TM:    LM: ");
  EXPECT_EQ(ReadCustomSheetEntries(2, settings_),
            (CustomSheetEntries{" 2 ", "x", "", "", "", "", "", ""}));
  Store(3, "Custom 3|3|10|2.8|1|0.45|0.15||1");  // the label's size only when given
  EXPECT_EQ(SheetDescription("Custom 3", settings_, installed_),
            "Custom 3 - A: 3   D: 10   HP: 2.8   VP: 1   TM: 0.45   LM: 0.15   W:    H: 1");
  Store(3, "Custom 3|3|10|2.8|1|0.45|0.15| |");
  EXPECT_EQ(SheetDescription("Custom 3", settings_, installed_),
            "Custom 3 - A: 3   D: 10   HP: 2.8   VP: 1   TM: 0.45   LM: 0.15");
  EXPECT_EQ(ReadCustomSheetEntries(1, settings_), CustomSheetEntries{});
  EXPECT_EQ(SheetDescription("Avery", settings_, installed_),
            std::nullopt);  // the box keeps its text

  // The setup dialog stores its rows as typed.
  std::array<CustomSheetEntries, 3> rows{};
  rows[0] = {"3", " 10", "2.8", "1", "0.45", "abc", "2.6", ""};
  WriteCustomSheets(rows, settings_);
  EXPECT_EQ(settings_.ReadSetting("custom label", "Label-1", ""),
            "Custom 1|3| 10|2.8|1|0.45|abc|2.6|");
  EXPECT_EQ(settings_.ReadSetting("custom label", "Label-3", ""), "Custom 3||||||||");
}

}  // namespace
}  // namespace tavrilon::sheets
