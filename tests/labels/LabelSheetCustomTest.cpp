#include <gtest/gtest.h>

#include "labels/LabelSheetCustom.h"
#include "labels/LabelSheetDescription.h"
#include "support/TestSupport.h"

namespace tavrilon::labels {
namespace {

using Problem = EntryProblem;

class LabelSheetCustomTest : public ::testing::Test {
 protected:
  void Store(int sheet, const std::string& value) {
    ASSERT_TRUE(settings_.WriteSetting("Custom Label", CustomSheetKey(sheet), value));
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
};

TEST_F(LabelSheetCustomTest, NumbersAreDecimalsWithBlanksAround) {
  const auto parsed = ParseCustomSheet(1, "Custom 1| 3 |10.0|2.8 |1| .45|0.|extra");
  ASSERT_TRUE(std::holds_alternative<LabelSheet>(parsed));
  const auto& sheet = std::get<LabelSheet>(parsed);
  EXPECT_EQ(sheet.name, "Custom 1");
  EXPECT_EQ(sheet.across, 3);
  EXPECT_EQ(sheet.down, 10);
  EXPECT_DOUBLE_EQ(sheet.horizontalPitch, 2.8);
  EXPECT_DOUBLE_EQ(sheet.verticalPitch, 1);
  EXPECT_DOUBLE_EQ(sheet.topMargin, 0.45);
  EXPECT_DOUBLE_EQ(sheet.leftMargin, 0);
}

TEST_F(LabelSheetCustomTest, AnIncompleteSheetNamesEveryEntryToFix) {
  struct Case {
    const char* stored;
    std::vector<std::pair<CustomSheetEntry, Problem>> faults;
    const char* why;
  } cases[] = {
      {"Custom 2|3|10",
       {{CustomSheetEntry::HorizontalPitch, Problem::Missing},
        {CustomSheetEntry::VerticalPitch, Problem::Missing},
        {CustomSheetEntry::TopMargin, Problem::Missing},
        {CustomSheetEntry::LeftMargin, Problem::Missing}},
       "fewer than seven parts"},
      {"Custom 2|3|10|2.8|1|0.45|  ",
       {{CustomSheetEntry::LeftMargin, Problem::Missing}},
       "a blank entry"},
      {"Custom 2|0|10|2.8|1|0.45|0.15",
       {{CustomSheetEntry::Across, Problem::NotAWholeNumber}},
       "no labels across"},
      {"Custom 2|3|2.5|2.8|1|0.45|0.15",
       {{CustomSheetEntry::Down, Problem::NotAWholeNumber}},
       "half a row"},
      {"Custom 2|32768|10|2.8|1|0.45|0.15",
       {{CustomSheetEntry::Across, Problem::NotAWholeNumber}},
       "beyond a 16-bit position"},
      {"Custom 2|-3|10|2.8|1|0.45|0.15",
       {{CustomSheetEntry::Across, Problem::NotAWholeNumber}},
       "negative"},
      {"Custom 2|3|10|2,8|1|0.45|0.15",
       {{CustomSheetEntry::HorizontalPitch, Problem::NotANumber}},
       "a decimal comma"},
      {"Custom 2|3|10|2.8|1e0|0.45|0.15",
       {{CustomSheetEntry::VerticalPitch, Problem::NotANumber}},
       "an exponent"},
      {"Custom 2|3|10|2.8|1|.|0.15",
       {{CustomSheetEntry::TopMargin, Problem::NotANumber}},
       "a point without digits"},
      {"Custom 2|3|10|2.8|1|1.2.3|-0.1",
       {{CustomSheetEntry::TopMargin, Problem::NotANumber},
        {CustomSheetEntry::LeftMargin, Problem::NotANumber}},
       "two points; a margin off the page"},
      {"Custom 2|3|10|2.8|1|0.45|\t0.15",
       {{CustomSheetEntry::LeftMargin, Problem::NotANumber}},
       "a tab is not a blank"},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseCustomSheet(2, c.stored);
    ASSERT_TRUE(std::holds_alternative<CustomSheetFault>(parsed)) << c.why;
    const auto& fault = std::get<CustomSheetFault>(parsed);
    EXPECT_EQ(fault.sheet, 2) << c.why;
    std::vector<std::pair<CustomSheetEntry, Problem>> found;
    for (const auto& e : fault.entries) {
      found.emplace_back(e.entry, e.problem);
    }
    EXPECT_EQ(found, c.faults) << c.why;
  }
}

TEST_F(LabelSheetCustomTest, TheFaultTextSaysWhichSheetWhatIsWrongAndWhereToFixIt) {
  const auto parsed = ParseCustomSheet(3, "Custom 3|3|x|2.8|1|abc");
  EXPECT_EQ(CustomSheetFaultText(std::get<CustomSheetFault>(parsed)),
            "The label sheet Custom 3 cannot be printed on: its Number Down \"x\" is not a whole "
            "number from 1 to 32767; its Top Margin \"abc\" is not a number of inches (0 or "
            "more); its Left Margin is missing. Correct it under SetUp, Custom Label Sheet "
            "Setup.");
}

TEST_F(LabelSheetCustomTest, ACustomSheetIsDescribedByItsEntriesAsStored) {
  Store(1, "Custom 1|3|10|2.8|1|0.45|0.15");
  EXPECT_EQ(SheetDescription("Custom 1", settings_),
            "Custom 1 - A: 3   D: 10   HP: 2.8   VP: 1   TM: 0.45   LM: 0.15");
  Store(2, "Custom 2| 2 |x|||");  // parts not trimmed, missing parts empty
  EXPECT_EQ(SheetDescription("CUSTOM 2", settings_),
            "Custom 2 - A:  2    D: x   HP:    VP:    TM:    LM: ");
}

TEST_F(LabelSheetCustomTest, ASheetWithoutAcrossAndDownIsNotDefined) {
  const std::pair<const char*, bool> cases[] = {
      {"", false},
      {"   ", false},
      {"Custom 3||||||", false},  // "Apply" of an empty row
      {"Custom 3| | |2.8|1|0.45|0.15", false},
      {"Custom 3", false},
      {"Custom 3||10||||", true},  // down alone is enough to be described
      {"Custom 3|3", true},
  };
  for (const auto& [stored, defined] : cases) {
    EXPECT_EQ(IsCustomSheetDefined(stored), defined) << '"' << stored << '"';
    Store(3, stored);
    EXPECT_EQ(SheetDescription("Custom 3", settings_) == "Not Defined", !defined) << stored;
  }
}

TEST_F(LabelSheetCustomTest, EntriesGoBackToTheDialogAsStored) {
  Store(2, "Custom 2|3|10|2.8");
  EXPECT_EQ(ReadCustomSheetEntries(2, settings_),
            (CustomSheetEntries{"3", "10", "2.8", "", "", ""}));
  EXPECT_EQ(ReadCustomSheetEntries(1, settings_), CustomSheetEntries{});

  std::array<CustomSheetEntries, 3> rows{};
  rows[0] = {"3", " 10", "2.8", "1", "0.45", "abc"};
  WriteCustomSheets(rows, settings_);
  const auto stored = [this](const char* key) {
    return settings_.ReadSetting("custom label", key, "<missing>");
  };
  EXPECT_EQ(stored("Label-1"), "Custom 1|3| 10|2.8|1|0.45|abc");
  EXPECT_EQ(stored("Label-2"), "Custom 2||||||");
  EXPECT_EQ(stored("Label-3"), "Custom 3||||||");
  EXPECT_EQ(ReadCustomSheetEntries(1, settings_), rows[0]);
}

TEST_F(LabelSheetCustomTest, OnlyTheThreeCustomNamesAreCustomSheets) {
  EXPECT_EQ(CustomSheetNumber("custom 2"), 2);
  EXPECT_EQ(CustomSheetNumber("CUSTOM 3"), 3);
  for (const char* other : {"Custom 4", "Custom 0", "Custom1", "Custom 1 ", "5160"}) {
    EXPECT_EQ(CustomSheetNumber(other), std::nullopt) << other;
  }
}

}  // namespace
}  // namespace tavrilon::labels
