#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "settings/InitSettings.h"
#include "settings/OperatorInfo.h"
#include "support/TestSupport.h"

namespace tavrilon::settings {
namespace {

// The settings file after a start on one that held `before`, or on none.
std::string Started(std::optional<std::string_view> before) {
  const test::TempDir dir;
  SettingsFile settings(dir / "tavrilon.ini");
  if (before) {
    test::WriteFile(settings.Path(), *before);
  }
  InitSettings(settings);
  return test::ReadFile(settings.Path());
}

// Replaces the first `from` after the line "[section]".
void ReplaceIn(std::string& text, std::string_view section, std::string_view from,
               std::string_view to) {
  std::string header(1, '[');
  header.append(section).append("]\n");
  const std::size_t start = text.find(header);
  ASSERT_NE(start, std::string::npos) << section;
  const std::size_t at = text.find(from, start);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

// A missing file, an empty one and one of blank lines all get every key,
// one a line; a current file then passes the upgrade unchanged.
TEST(InitSettings, FirstRunWritesEveryKey) {
  const std::string expected = Started(std::nullopt);
  EXPECT_EQ(std::count(expected.begin(), expected.end(), '='), 41 + 3 * (2 + 15 * 12));
  EXPECT_EQ(Started(""), expected);
  EXPECT_EQ(Started("\n\n"), "\n\n" + expected);
  EXPECT_EQ(Started(expected), expected);
}

TEST(InitSettings, UpgradeChangesOnlyWhatItNames) {
  std::string old = "; kept by hand\n" + Started(std::nullopt);
  ReplaceIn(old, "QSL Labels", "SortFile=0\n", "Unknown=1\n; note\n");
  ReplaceIn(old, "Custom Log", "column1=QSO_DATE,", "column1=JCC,");
  ReplaceIn(old, "Custom Log", "TIME,31,5", "TIME,31,5,sixth");
  ReplaceIn(old, "Custom Log", "column3=CALL,41,CALL,41,10", "column3=CALL,41");
  ReplaceIn(old, "Custom Log", "column4=PFX,", "column4=APP_LOGGER32_COUNTRY,");
  ReplaceIn(old, "Custom Log", "column5=FREQ,", "column5=jcc,");
  ReplaceIn(old, "Custom Label Layout-1", "MultiLines=1\n", "Name=Mine\nMultiLines=2\n");
  ReplaceIn(old, "Custom Label Layout-1", "Field1ADIF=\n", "Field1ADIF=APP_LOGGER32_COUNTRY\n");
  ReplaceIn(old, "Custom Label Layout-1", "Field4ADIF=\n", "Field4ADIF=JCC \n");
  ReplaceIn(old, "Custom Label Layout-2", "\nField5FontName=Arial\n", "\n");
  ReplaceIn(old, "Custom Label Layout-3", "MultiDx=0\n", "");

  std::string expected = old;
  ReplaceIn(expected, "QSL Labels", "Unknown=1\n", "Unknown=1\nSortFile=0\n");
  ReplaceIn(expected, "Custom Log", "column1=JCC,", "column1=,");
  ReplaceIn(expected, "Custom Log", ",sixth", "");
  ReplaceIn(expected, "Custom Log", "column4=APP_LOGGER32_COUNTRY,", "column4=COUNTRY,");
  ReplaceIn(expected, "Custom Label Layout-1", "=APP_LOGGER32_COUNTRY\n", "=COUNTRY\n");
  ReplaceIn(expected, "Custom Label Layout-1", "Field4ADIF=JCC \n", "Field4ADIF=\n");
  ReplaceIn(expected, "Custom Label Layout-2", "Field15MultiRpt=0\n",
            "Field15MultiRpt=0\nField5FontName=Arial\n");
  expected += "MultiDx=0\n";
  EXPECT_EQ(Started(old), expected);
}

TEST(InitSettings, UpgradeOfAnOldFileAddsDesignsWithoutFieldNamesOrCaptions) {
  const std::string text = Started("[QSL Labels]\nUseQRZ=TRUE\n");
  const std::string start =
      "[QSL Labels]\nUseQRZ=TRUE\nSortFile=0\n"
      "[Custom Label Layout-1]\nMultiLines=1\nMultiDx=0\nField1Horiz=0\n";
  EXPECT_EQ(text.substr(0, start.size()), start);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 3 * (3 + 15 * 10));
}

// The first-run call and address are prompts: they read as empty, in any
// spelling of the key, while anything else stored reads as it stands.
TEST(InitSettings, TheOperatorsFirstRunPromptsReadAsEmpty) {
  // The "Globals" lines, then the call as printed and whether it is unset.
  const std::array<const char*, 3> cases[] = {
      {"", "Unknown", "unset"},
      {"mycall=Enter your call here", "", "unset"},
      {"MyCall=enter your call here", "enter your call here", ""},
  };
  for (const auto& [globals, call, unset] : cases) {
    const test::TempDir dir;
    SettingsFile settings(dir / "tavrilon.ini");
    test::WriteFile(settings.Path(), std::string("[Globals]\n") + globals +
                                         "\n[return label]\nLINE1=Your Address Line 1\n"
                                         "Line3=Your Address Line 2\n");
    EXPECT_EQ(ReadOperatorCall(settings), call) << globals;
    EXPECT_EQ(OperatorCallUnset(settings) ? "unset" : "", std::string(unset)) << globals;
    // Line 3 holding line 2's prompt was typed so.
    EXPECT_EQ(ReadOperatorInfo(settings, ReturnLabelLineKey(1)) + "|" +
                  ReadOperatorInfo(settings, ReturnLabelLineKey(3)),
              "|Your Address Line 2");
  }
}

}  // namespace
}  // namespace tavrilon::settings
