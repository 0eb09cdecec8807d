#include <array>
#include <chrono>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "settings/InitSettings.h"
#include "shell/MainWindowState.h"
#include "shell/StoredChoices.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::shell {
namespace {

class MainWindowStateTest : public ::testing::Test {
 protected:
  // A program started once on an empty folder, as the session starts it.
  MainWindowStateTest() { settings::InitSettings(settings_); }

  std::string Read(const char* key, const char* section = "QSL Labels") {
    return settings_.ReadSetting(section, key, "<missing>");
  }
  // A new start of the window over the settings as they are now.
  MainWindowState Restart() {
    ui_.messages.clear();
    MainWindowState state(settings_, installed_, ui_);
    state.Start();
    return state;
  }
  // The start of the one message shown, or "" when none was.
  std::string Message() const {
    EXPECT_LE(ui_.messages.size(), 1U);
    return ui_.messages.empty() ? "" : ui_.messages[0].substr(0, 14);
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedUserInterface ui_;
  sheets::InstalledSheets installed_{{test::TestDataFolder() / "sheets" / "system"}};
};

TEST_F(MainWindowStateTest, DesignAndStyleInterlockAndEveryChoiceIsStored) {
  // The clicks (D, S, C: the Default, Simple, Custom 3 designs; 1-3: a style), the start of
  // the message, the design and style then selected and stored, the QRZ box enabled.
  using D = designs::LabelDesign;
  const std::tuple<const char*, const char*, D, int, const char*, bool> cases[] = {
      {"2", "Label Style 2 ", D::Default, 1, "DEFAULT", false},
      {"S2", "", D::Simple, 2, "SIMPLE", true},
      {"S3C", "Custom Layouts", D::Simple, 3, "SIMPLE", true},
      {"S2D", "Default Layout", D::Simple, 2, "SIMPLE", true},
      {"C", "", D::Custom3, 1, "CUSTOM3", false},
  };
  for (const auto& [clicks, message, design, style, stored, qrz] : cases) {
    MainWindowState state = Restart();
    for (const char click : "1D" + std::string(clicks)) {  // from style 1 and Default, quietly
      if (click <= '3') {
        state.SelectLabelStyle(click - '0');
      } else {
        state.SelectLabelDesign(click == 'D' ? D::Default : click == 'S' ? D::Simple : D::Custom3);
      }
    }
    EXPECT_EQ(Message(), message) << clicks;
    EXPECT_EQ(std::pair(state.designOption, state.styleOption), std::pair(design, style)) << clicks;
    EXPECT_EQ(Read("LabelLayOut") + Read("LabelSet"), stored + std::to_string(style)) << clicks;
    // One mailing label per station is a choice of the styles with mailing labels.
    EXPECT_EQ(std::pair(state.qrzEnabled, state.addressPerStationEnabled), std::pair(qrz, qrz))
        << clicks;
  }
}

// Log layout, the run's design / the option shown, style, stock, QRZ, order, cards
// still to send, one address per station and the country file.
std::string Shown(logbook::LogLayout layout, designs::LabelDesign design,
                  designs::LabelDesign option, int style, std::size_t stock, bool qrz,
                  sending::RunOrder order, sending::Contacts contacts, bool perStation,
                  const std::string& countryFile) {
  return std::string(logbook::StoredLogLayout(layout)) + " " +
         std::string(designs::StoredLabelDesign(design)) + "/" +
         std::string(designs::StoredLabelDesign(option)) + " " + std::to_string(style) + " " +
         std::to_string(stock) + (qrz ? " qrz " : " ") + std::string(sending::RunOrderWord(order)) +
         (contacts == sending::Contacts::ToSend ? " to-send" : "") +
         (perStation ? " per-station" : "") + (countryFile.empty() ? "" : " " + countryFile);
}

// tavrilon-batch reads a hand-edited file as the window starts with it, and what the start
// writes back reads the same again. Values out of range are the first-run values.
TEST_F(MainWindowStateTest, HandEditedChoicesReadAsTheWindowStartsWithThem) {
  // The "Log" and "QSL Labels" lines, the choices, the start of the message shown.
  const std::array<const char*, 4> cases[] = {
      {"LogLayOut=custom", "LabelLayOut=default\nLabelType=\nSortFile=3",
       "CUSTOM DEFAULT/ 1 0 file", ""},
      {"LogLayOut=Default",
       "LabelLayOut=SIMPLE\nLabelSet=3\nLabelType=30\nSortFile=2\nAddressPerStation=1",
       "CUSTOM SIMPLE/SIMPLE 3 30 bureau per-station", ""},
      {"LogLayOut=", "LabelLayOut=FANCY\nLabelSet=2\nContacts=TO-SEND\nCountryFile= my.dat",
       "CUSTOM / 1 0 file to-send my.dat", "Label Style 2 "},
      {"", "LabelType=five\nUseQRZ=TRUE\nSortFile=1\nContacts=some", "DEFAULT / 1 0 qrz call", ""},
  };
  for (const auto& [log, labels, shows, message] : cases) {
    test::WriteFile(settings_.Path(), "[Log]\n" + std::string(log) + "\n[QSL Labels]\n" + labels);
    // Dated apart from the last write: within one clock tick the edit would go unseen.
    std::filesystem::last_write_time(
        settings_.Path(), std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    for (int reading = 0; reading < 2; ++reading) {  // the file as edited, then as started
      const StoredChoices c = ReadStoredChoices(settings_);
      EXPECT_EQ(Shown(c.logLayout, c.labelDesign, c.designOption, c.StyleInForce(), c.stockIndex,
                      c.useQrz, c.order, c.contacts, c.addressPerStation, c.countryFile),
                shows)
          << log << labels;
      const MainWindowState s = Restart();
      EXPECT_EQ(Shown(s.LogLayout, s.LabelDesign, s.designOption, s.LabelStyle, s.stockIndex,
                      s.qrzChecked, s.order, s.contacts, s.addressPerStation, s.countryFile),
                shows)
          << log << labels;
      EXPECT_EQ(Message(), reading == 0 ? message : "") << labels;
    }
  }
}

TEST_F(MainWindowStateTest, StartForgetsGoneInputFilesAndShowsTheQrzDriveInCapitals) {
  test::WriteFile(dir_ / "log.adi", "<EOH>\n");
  settings_.WriteSetting("Log", "ADIFile", (dir_ / "log.adi").string());
  settings_.WriteSetting("QSL Labels", "ADIFile", (dir_ / "gone.adi").string());
  settings_.WriteSetting("QSL Labels", "CDdrive", "d:");
  settings_.WriteSetting("QSL Labels", "UseQRZ", "TRUE");
  MainWindowState state = Restart();
  EXPECT_EQ(state.LogInputFile + "|" + state.LabelInputFile, (dir_ / "log.adi").string() + "|");
  EXPECT_EQ(std::pair(state.logPrintEnabled, state.labelPrintEnabled), std::pair(true, false));
  EXPECT_EQ(Read("ADIFile"), (dir_ / "gone.adi").string());  // not rewritten
  EXPECT_EQ(state.qrzDriveText, "D:");
  // A folder keeps its case: it names another folder in capitals.
  state.SetQrzFolder("/srv/Callbook");
  state.SetUseQrz(true);
  EXPECT_EQ(state.qrzDriveText, "/srv/Callbook");
}

TEST_F(MainWindowStateTest, ADesignIsEditedOnlyWithANameWhichNamesItsMenuEntry) {
  MainWindowState state = Restart();
  ui_.textAnswers.push_back(std::string("  Big DX  "));
  EXPECT_TRUE(state.PrepareDesignEditing(2));
  EXPECT_EQ(Restart().designMenuCaptions[1], "Custom Label Design - Big DX");
  EXPECT_TRUE(state.PrepareDesignEditing(2));  // named: not asked again
  EXPECT_EQ(ui_.questions.size(), 1U);
  EXPECT_FALSE(state.PrepareDesignEditing(3));  // cancelled
  EXPECT_EQ(Read("Name", "Custom Label Layout-3"), "<missing>");
}

// Asked once, only while no call is set; the call a run prints and the
// stock's description follow what was answered or applied at once.
TEST_F(MainWindowStateTest, TheCallIsAskedOnceWhileUnsetAndAppliedSettingsHoldAtOnce) {
  ui_.textAnswers = {std::nullopt, std::string(" K1ABC ")};
  MainWindowState state = Restart();
  state.AskForUnsetCall();  // cancelled: not asked again before the next start
  state.AskForUnsetCall();
  MainWindowState next = Restart();
  next.AskForUnsetCall();
  next.AskForUnsetCall();  // set: not asked
  EXPECT_EQ(ui_.questions.size(), 2U);
  EXPECT_EQ(next.OperatorCall + "|" + Read("MyCall", "Globals"), "K1ABC|K1ABC");
  next.SelectLabelStock(30);
  settings_.WriteSetting("Globals", "MyCall", "W9XYZ");  // as the dialogs apply them
  settings_.WriteSetting("Custom Label", "Label-1", "Custom 1|3|10|2.8|1|0.45|0.15");
  next.ReadAppliedSettings();
  EXPECT_EQ(next.OperatorCall + "|" + next.labelInfoText.substr(0, 15), "W9XYZ|Custom 1 - A: 3");
}

// A database sheet stays in force from start to start until an entry of the
// list is chosen; its description waits for the database.
TEST_F(MainWindowStateTest, ADatabaseSheetIsKeptByBrandAndPartUntilTheListIsUsed) {
  MainWindowState state = Restart();
  state.SelectLabelStock(5);
  state.SelectDatabaseSheet("Testa 100");
  EXPECT_EQ(Read("DatabaseSheet") + "|" + Read("LabelType"), "Testa 100|5");
  MainWindowState next = Restart();
  EXPECT_EQ(next.LabelStock + "|" + next.databaseSheet, "Testa 100|Testa 100");
  EXPECT_EQ(next.labelInfoText, "Testa 100 - the label database is being read");
  next.LabelSheetsRead();
  EXPECT_EQ(next.labelInfoText.substr(0, 20), "Testa 100 - A: 3   D");
  EXPECT_EQ(ReadStoredChoices(settings_).StockInForce(), "Testa 100");
  next.SelectLabelStock(5);
  EXPECT_EQ(next.LabelStock + "|" + Read("DatabaseSheet"), "5167|");
  next.SelectDatabaseSheet("Testa 999");
  EXPECT_EQ(next.labelInfoText, "Testa 999 - not in the label database");
}

}  // namespace
}  // namespace tavrilon::shell
