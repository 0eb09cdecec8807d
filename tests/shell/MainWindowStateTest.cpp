#include <gtest/gtest.h>

#include "settings/InitSettings.h"
#include "shell/MainWindowState.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::shell {
namespace {

constexpr const char* kStyle2Message =
    "Label Style 2 (QSL & Mailing Labels) can only be selected if Simple Label Design is used";
constexpr const char* kStyle3Message =
    "Label Style 3 (QSL, Mailing & Return Labels) can only be selected if Simple Label Design "
    "is used";
constexpr const char* kCustomMessage =
    "Custom Layouts can only be selected if Label Style 1 (QSL only) is used";
constexpr const char* kDefaultMessage =
    "Default Layout can only be selected if Label Style 1 (QSL only) is used";

class MainWindowStateTest : public ::testing::Test {
 protected:
  // A program started once on an empty folder, as the session starts it.
  MainWindowStateTest() { settings::InitSettings(settings_); }

  std::string Read(const char* section, const char* key) {
    return settings_.ReadSetting(section, key, "<missing>");
  }
  // A new start of the window over the settings as they are now.
  MainWindowState Restart() {
    MainWindowState state(settings_, ui_);
    state.Start();
    return state;
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedUserInterface ui_;
};

TEST_F(MainWindowStateTest, FirstStartShowsTheFirstRunChoices) {
  const MainWindowState state = Restart();
  EXPECT_FALSE(state.logLayoutCustom);
  EXPECT_EQ(state.designOption, DesignOption::Default);
  EXPECT_EQ(state.LabelDesign, "DEFAULT");
  EXPECT_EQ(state.styleOption, 1);
  EXPECT_EQ(state.stockIndex, 0U);
  EXPECT_EQ(state.LabelStock, "5160");
  EXPECT_FALSE(state.sortChecked);
  EXPECT_FALSE(state.sortEnabled);
  EXPECT_FALSE(state.qrzEnabled);
  EXPECT_FALSE(state.labelPrintEnabled);
  EXPECT_FALSE(state.logPrintEnabled);
  EXPECT_EQ(state.OperatorCall, "Enter your call here");
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(MainWindowStateTest, InterlocksFallBackWithTheirMessages) {
  struct Case {
    const char* why;
    std::function<void(MainWindowState&)> clicks;
    const char* message;
    DesignOption design;
    int style;
    const char* storedDesign;
    const char* storedStyle;
  } cases[] = {
      {"style 2 needs Simple", [](auto& s) { s.SelectLabelStyle(2); }, kStyle2Message,
       DesignOption::Default, 1, "DEFAULT", "1"},
      {"style 3 needs Simple", [](auto& s) { s.SelectLabelStyle(3); }, kStyle3Message,
       DesignOption::Default, 1, "DEFAULT", "1"},
      {"Custom 2 needs style 1",
       [](auto& s) {
         s.SelectLabelDesign(DesignOption::Simple);
         s.SelectLabelStyle(3);
         s.SelectLabelDesign(DesignOption::Custom2);
       },
       kCustomMessage, DesignOption::Simple, 3, "SIMPLE", "3"},
      {"Default needs style 1",
       [](auto& s) {
         s.SelectLabelDesign(DesignOption::Simple);
         s.SelectLabelStyle(2);
         s.SelectLabelDesign(DesignOption::Default);
       },
       kDefaultMessage, DesignOption::Simple, 2, "SIMPLE", "2"},
  };
  for (const Case& c : cases) {
    MainWindowState state = Restart();
    ui_.messages.clear();
    c.clicks(state);
    ASSERT_EQ(ui_.messages.size(), 1U) << c.why;
    EXPECT_EQ(ui_.messages[0], c.message) << c.why;
    EXPECT_EQ(state.designOption, c.design) << c.why;
    EXPECT_EQ(state.styleOption, c.style) << c.why;
    EXPECT_EQ(Read("QSL Labels", "LabelLayOut"), c.storedDesign) << c.why;
    EXPECT_EQ(Read("QSL Labels", "LabelSet"), c.storedStyle) << c.why;
  }
}

TEST_F(MainWindowStateTest, SimpleWithStyle2EnablesQrzAndSortingFollowsCustomDesigns) {
  MainWindowState state = Restart();
  state.SelectLabelDesign(DesignOption::Simple);
  state.SelectLabelStyle(2);
  EXPECT_TRUE(state.qrzEnabled);
  EXPECT_EQ(state.LabelStyle, 2);
  state.SelectLabelStyle(1);
  state.SelectLabelDesign(DesignOption::Custom3);
  EXPECT_TRUE(state.sortEnabled);
  EXPECT_EQ(state.LabelDesign, "CUSTOM3");
  EXPECT_EQ(state.CustomDesignNumber, 3);
  state.SetSortFile(true);
  EXPECT_EQ(Read("QSL Labels", "SortFile"), "1");
}

TEST_F(MainWindowStateTest, AStoredStyleNeedingSimpleFallsBackAtStart) {
  settings_.WriteSetting("QSL Labels", "LabelSet", "2");  // with the Default design
  const MainWindowState state = Restart();
  EXPECT_EQ(ui_.messages, std::vector<std::string>{kStyle2Message});
  EXPECT_EQ(state.styleOption, 1);
  EXPECT_EQ(Read("QSL Labels", "LabelSet"), "1");
}

TEST_F(MainWindowStateTest, StoredValuesOutOfRangeFallBackToTheFirstRunValues) {
  struct Case {
    const char* key;
    const char* stored;
    std::size_t stock;
    bool sort;
    int style;
  } cases[] = {
      {"LabelType", "30", 30, false, 1},  // "Custom 1"
      {"LabelType", "", 0, false, 1},     {"LabelType", "33", 0, false, 1},
      {"LabelType", "five", 0, false, 1}, {"SortFile", "1", 0, true, 1},
      {"SortFile", "yes", 0, false, 1},   {"LabelSet", "7", 0, false, 1},
  };
  for (const Case& c : cases) {
    settings::InitSettings(settings_);
    settings_.WriteSetting("QSL Labels", "LabelType", "0");
    settings_.WriteSetting("QSL Labels", "SortFile", "0");
    settings_.WriteSetting("QSL Labels", "LabelSet", "1");
    settings_.WriteSetting("QSL Labels", c.key, c.stored);
    const MainWindowState state = Restart();
    EXPECT_EQ(state.stockIndex, c.stock) << c.key << "=" << c.stored;
    EXPECT_EQ(state.sortChecked, c.sort) << c.key << "=" << c.stored;
    EXPECT_EQ(state.styleOption, c.style) << c.key << "=" << c.stored;
  }
  settings_.WriteSetting("QSL Labels", "LabelType", "30");
  EXPECT_EQ(Restart().LabelStock, "Custom 1");
}

TEST_F(MainWindowStateTest, AnUnknownStoredDesignSelectsNone) {
  settings_.WriteSetting("QSL Labels", "LabelLayOut", "FANCY");
  const MainWindowState state = Restart();
  EXPECT_EQ(state.designOption, DesignOption::None);
  EXPECT_EQ(state.LabelDesign, "FANCY");
  EXPECT_EQ(Read("QSL Labels", "LabelLayOut"), "FANCY");
}

TEST_F(MainWindowStateTest, InputFilesAreForgottenWhenGone) {
  test::WriteFile(dir_ / "log.adi", "<EOH>\n");
  settings_.WriteSetting("Log", "ADIFile", (dir_ / "log.adi").string());
  settings_.WriteSetting("QSL Labels", "ADIFile", (dir_ / "gone.adi").string());
  const MainWindowState state = Restart();
  EXPECT_EQ(state.LogInputFile, (dir_ / "log.adi").string());
  EXPECT_TRUE(state.logPrintEnabled);
  EXPECT_EQ(state.LabelInputFile, "");
  EXPECT_FALSE(state.labelPrintEnabled);
  EXPECT_EQ(Read("QSL Labels", "ADIFile"), (dir_ / "gone.adi").string());  // not rewritten
}

TEST_F(MainWindowStateTest, QrzShowsTheStoredDriveInCapitals) {
  settings_.WriteSetting("QSL Labels", "CDdrive", "d:");
  MainWindowState state = Restart();
  state.SetUseQrz(true);
  EXPECT_EQ(state.qrzDriveText, "D:");
  EXPECT_EQ(Read("QSL Labels", "UseQRZ"), "TRUE");
  state.SetUseQrz(false);
  EXPECT_EQ(state.qrzDriveText, "");
  EXPECT_EQ(Read("QSL Labels", "UseQRZ"), "FALSE");
}

TEST_F(MainWindowStateTest, ADesignNameBecomesItsMenuCaptionNowAndAfterARestart) {
  MainWindowState state = Restart();
  ui_.textAnswers.push_back(std::string("  Big DX  "));
  EXPECT_TRUE(state.PrepareDesignEditing(2));
  EXPECT_EQ(ui_.questions.back(), "Name Needed: Enter name for Custom Label Design #2: ");
  EXPECT_EQ(state.designMenuCaptions[1], "Custom Label Design - Big DX");
  EXPECT_EQ(Restart().designMenuCaptions[1], "Custom Label Design - Big DX");
  EXPECT_TRUE(state.PrepareDesignEditing(2));  // named: not asked again
  EXPECT_EQ(ui_.questions.size(), 1U);

  EXPECT_FALSE(state.PrepareDesignEditing(3));  // cancelled
  EXPECT_EQ(Read("Custom Label Layout-3", "Name"), "<missing>");
  EXPECT_EQ(state.designMenuCaptions[2], "Custom Label Design 3");
}

TEST_F(MainWindowStateTest, TheLabelInformationFollowsTheChosenStock) {
  settings_.WriteSetting("Custom Label", "Label-2", "Custom 2|3|10|2.8|1|0.5|0.15");
  settings_.WriteSetting("QSL Labels", "LabelType", "20");
  MainWindowState state = Restart();
  EXPECT_EQ(state.labelInfoText, "8386 - A: 1   D: 2  HP: 6.0   VP: 4.5   TM: 1.3   LM: 1.3");
  state.SelectLabelStock(30);
  EXPECT_EQ(state.labelInfoText, "Not Defined");
  state.SelectLabelStock(31);
  EXPECT_EQ(state.labelInfoText, "Custom 2 - A: 3   D: 10   HP: 2.8   VP: 1   TM: 0.5   LM: 0.15");
  EXPECT_TRUE(ui_.messages.empty());  // describing an undefined sheet is no error
}

TEST_F(MainWindowStateTest, CaptionsCarryTheVersion) {
  EXPECT_EQ(MainWindowState::WindowCaption("2.0.5"), "Tavrilon  Version 2.0.5");
  EXPECT_EQ(MainWindowState::AboutVersionLabel("2.0.5"), "     2.0.5");
}

}  // namespace
}  // namespace tavrilon::shell
