#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "designs/LabelDesign.h"
#include "logbook/LogLayout.h"
#include "sending/ContactChoice.h"
#include "sending/RunOrder.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"
#include "sheets/InstalledSheets.h"

namespace tavrilon::shell {

// The main window's choices and the state of its controls, with what a click
// on each control does. Every choice is written to the settings file the
// moment it is made; selecting a control from code runs the same handler as
// a click, so start-up writes its choices back and applies the interlocks.
// The window shows this state; it holds none of its own.
class MainWindowState {
 public:
  MainWindowState(settings::SettingsFile& settings, sheets::InstalledSheets& installed,
                  UserInterface& ui);

  // Reads every stored choice and selects it, in the order the interlocks
  // expect (the design before the style).
  void Start();

  // The design option clicked (None: none is selected).
  void SelectLabelDesign(designs::LabelDesign option);
  void SelectLabelStyle(int style);
  void SelectLogLayout(logbook::LogLayout layout);
  void SetUseQrz(bool checked);
  // The callbook's folder typed or chosen: stored as "CDdrive" at once.
  void SetQrzFolder(std::string_view folder);
  void SelectOrder(sending::RunOrder chosen);
  void SelectContacts(sending::Contacts chosen);
  void SetAddressPerStation(bool checked);
  // The country file chosen for bureau order; "" for the system's.
  void SetCountryFile(std::string_view path);
  // An entry of the stock list; it replaces a database sheet.
  void SelectLabelStock(std::size_t index);
  // A sheet of the label database by brand and part, kept as
  // "DatabaseSheet" until an entry of the list is chosen.
  void SelectDatabaseSheet(const std::string& brandAndPart);
  // The label database has been read: its sheet's description can show.
  void LabelSheetsRead();
  void ChooseLabelInputFile(const std::string& path);
  void ChooseLogInputFile(const std::string& path);
  // The "Custom Label Design n" menu entry: makes n the design being edited
  // and asks for its name when it has none. False when no name was given.
  bool PrepareDesignEditing(int design);
  // The design editor's name box changed: the design's menu entry shows it.
  void ShowDesignName(int design, std::string_view name);
  // Before a label run: while no call is set, asks for it, the first time
  // only. An answer is stored and in force at once.
  void AskForUnsetCall();
  // A set-up dialog closed: what its Apply stored is in force at once (the
  // call, the chosen stock's description).
  void ReadAppliedSettings();

  // The choices the runs read; the call as printed (empty while first-run).
  std::string OperatorCall = "Unknown";
  std::string LogInputFile;
  std::string LabelInputFile;
  logbook::LogLayout LogLayout = logbook::LogLayout::Default;
  // The stored design in capitals, whether or not an option shows it.
  designs::LabelDesign LabelDesign = designs::LabelDesign::None;
  int CustomDesignNumber = 1;  // the design being edited
  int LabelStyle = 0;
  std::string LabelStock;
  // Mailing labels from the callbook: the QRZ box's choice, until a run
  // finds no callbook; the box then has to be checked again.
  bool UseQrz = false;
  sending::RunOrder order = sending::RunOrder::File;
  sending::Contacts contacts = sending::Contacts::All;
  // Styles 2 and 3: one mailing label per station, as its box says.
  bool addressPerStation = false;
  std::string countryFile;  // "" for the system's

  // The controls.
  designs::LabelDesign designOption = designs::LabelDesign::None;
  int styleOption = 0;  // 1 to 3, 0 when none is selected
  bool qrzEnabled = true;
  bool addressPerStationEnabled = true;  // with the QRZ box: styles 2 and 3
  bool qrzChecked = false;
  std::string qrzDriveText;
  std::size_t stockIndex = 0;
  std::string databaseSheet;  // the database's sheet in force; "" for the list's entry
  std::string labelInfoText;  // the chosen stock's description
  bool labelPrintEnabled = false;
  bool logPrintEnabled = false;
  std::array<std::string, 3> designMenuCaptions = {"Custom Label Design 1", "Custom Label Design 2",
                                                   "Custom Label Design 3"};

  // The window's caption and the about box's version label, for `version`.
  static std::string WindowCaption(const std::string& version);
  static std::string AboutVersionLabel(const std::string& version);

 private:
  void WriteLabelLayout();
  void ShowStockDescription();

  settings::SettingsFile& settings_;
  sheets::InstalledSheets& installed_;
  UserInterface& ui_;
  bool callAsked_ = false;
};

}  // namespace tavrilon::shell
