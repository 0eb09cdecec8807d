#include "shell/MainWindowState.h"

#include <filesystem>

#include "settings/OperatorInfo.h"
#include "sheets/LabelStocks.h"
#include "sheets/SheetDescription.h"
#include "shell/StoredChoices.h"
#include "text/Text.h"

namespace tavrilon::shell {

using designs::LabelDesign;

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string DesignMenuCaption(std::string_view name) {
  return "Custom Label Design - " + std::string(name);
}

}  // namespace

MainWindowState::MainWindowState(settings::SettingsFile& settings,
                                 sheets::InstalledSheets& installed, UserInterface& ui)
    : settings_(settings), installed_(installed), ui_(ui) {}

std::string MainWindowState::WindowCaption(const std::string& version) {
  return "Tavrilon  Version " + version;
}

std::string MainWindowState::AboutVersionLabel(const std::string& version) {
  return "     " + version;
}

void MainWindowState::Start() {
  for (int design = 1; design <= settings::kDesignCount; ++design) {
    const std::string name =
        settings_.ReadSetting(settings::DesignKey(design, settings::kDesignName), "");
    if (!name.empty()) {
      designMenuCaptions[static_cast<std::size_t>(design - 1)] = DesignMenuCaption(name);
    }
  }
  const StoredChoices stored = ReadStoredChoices(settings_);
  OperatorCall = stored.operatorCall;

  // A stored input file that is gone is forgotten; the setting stays.
  LogInputFile = FileExists(stored.logInputFile) ? stored.logInputFile : "";
  logPrintEnabled = !LogInputFile.empty();
  SelectLogLayout(stored.logLayout);

  LabelInputFile = FileExists(stored.labelInputFile) ? stored.labelInputFile : "";
  labelPrintEnabled = !LabelInputFile.empty();

  LabelDesign = stored.labelDesign;
  SelectLabelDesign(stored.designOption);

  if (stored.useQrz) {
    SetUseQrz(true);
  }
  SelectOrder(stored.order);
  SelectContacts(stored.contacts);
  SetAddressPerStation(stored.addressPerStation);
  if (!stored.countryFile.empty()) {
    SetCountryFile(stored.countryFile);
  }
  SelectLabelStyle(stored.labelStyle);
  SelectLabelStock(stored.stockIndex);
  if (!stored.databaseSheet.empty()) {
    SelectDatabaseSheet(stored.databaseSheet);
  }
}

void MainWindowState::WriteLabelLayout() {
  settings_.WriteSetting(settings::kLabelDesign, designs::StoredLabelDesign(LabelDesign));
}

void MainWindowState::SelectLabelDesign(designs::LabelDesign option) {
  designOption = option;
  switch (option) {
    case LabelDesign::None:
      return;
    case LabelDesign::Simple:
      LabelDesign = option;
      break;
    case LabelDesign::Default:
      if (LabelStyle > 1) {
        ui_.ShowMessage("Default Layout can only be selected if Label Style 1 (QSL only) is used");
        SelectLabelDesign(LabelDesign::Simple);
      } else {
        LabelDesign = option;
      }
      break;
    case LabelDesign::Custom1:
    case LabelDesign::Custom2:
    case LabelDesign::Custom3:
      if (LabelStyle > 1) {
        ui_.ShowMessage("Custom Layouts can only be selected if Label Style 1 (QSL only) is used");
        SelectLabelDesign(LabelDesign::Simple);
      } else {
        CustomDesignNumber = designs::CustomDesignNumberOf(option);
        LabelDesign = option;
      }
      break;
  }
  WriteLabelLayout();
}

void MainWindowState::SelectLabelStyle(int style) {
  styleOption = style;
  if (style == 1) {
    LabelStyle = 1;
    qrzEnabled = false;
  } else if (!StyleFitsDesign(style, designOption)) {
    LabelStyle = 1;
    ui_.ShowMessage(style == 2 ? "Label Style 2 (QSL & Mailing Labels) can only be selected if "
                                 "Simple Label Design is used"
                               : "Label Style 3 (QSL, Mailing & Return Labels) can only be "
                                 "selected if Simple Label Design is used");
    SelectLabelStyle(1);
  } else {
    LabelStyle = style;
    qrzEnabled = true;
  }
  addressPerStationEnabled = qrzEnabled;
  settings_.WriteSetting(settings::kLabelStyle, std::to_string(LabelStyle));
}

void MainWindowState::SelectLogLayout(logbook::LogLayout layout) {
  LogLayout = layout;
  settings_.WriteSetting(settings::kLogLayout, logbook::StoredLogLayout(layout));
}

void MainWindowState::SetUseQrz(bool checked) {
  qrzChecked = checked;
  UseQrz = checked;
  qrzDriveText = "";
  if (checked) {
    // A drive letter in capitals; a folder as it is, since case names another.
    qrzDriveText = settings_.ReadSetting(settings::kQrzDrive, "");
    if (qrzDriveText.size() < 3) {
      qrzDriveText = text::AsciiUpper(qrzDriveText);
    }
  }
  settings_.WriteSetting(settings::kUseQrz, checked ? "TRUE" : "FALSE");
}

void MainWindowState::SetQrzFolder(std::string_view folder) {
  qrzDriveText = folder;
  settings_.WriteSetting(settings::kQrzDrive, folder);
}

void MainWindowState::SelectOrder(sending::RunOrder chosen) {
  order = chosen;
  settings_.WriteSetting(settings::kSortFile, sending::StoredRunOrder(chosen));
}

void MainWindowState::SelectContacts(sending::Contacts chosen) {
  contacts = chosen;
  settings_.WriteSetting(settings::kLabelContacts, sending::ContactsWord(chosen));
}

void MainWindowState::SetAddressPerStation(bool checked) {
  addressPerStation = checked;
  settings_.WriteSetting(settings::kAddressPerStation, checked ? "1" : "0");
}

void MainWindowState::SetCountryFile(std::string_view path) {
  countryFile = path;
  settings_.WriteSetting(settings::kCountryFile, path);
}

void MainWindowState::SelectLabelStock(std::size_t index) {
  stockIndex = index;
  LabelStock = std::string(sheets::kLabelStocks.at(index));
  settings_.WriteSetting(settings::kLabelStock, std::to_string(index));
  if (!databaseSheet.empty()) {
    databaseSheet.clear();
    settings_.WriteSetting(settings::kDatabaseSheet, "");
  }
  ShowStockDescription();
}

void MainWindowState::SelectDatabaseSheet(const std::string& brandAndPart) {
  databaseSheet = brandAndPart;
  LabelStock = brandAndPart;
  settings_.WriteSetting(settings::kDatabaseSheet, brandAndPart);
  ShowStockDescription();
}

void MainWindowState::LabelSheetsRead() {
  installed_.Database();
  ShowStockDescription();
}

void MainWindowState::ShowStockDescription() {
  if (!databaseSheet.empty() && !installed_.Ready()) {
    labelInfoText = databaseSheet + " - the label database is being read";
    return;
  }
  // A stock with no description leaves the previous one showing.
  if (auto description = sheets::SheetDescription(LabelStock, settings_, installed_)) {
    labelInfoText = std::move(*description);
  } else if (!databaseSheet.empty()) {
    labelInfoText = databaseSheet + " - not in the label database";
  }
}

void MainWindowState::ChooseLabelInputFile(const std::string& path) {
  LabelInputFile = path;
  labelPrintEnabled = true;
  settings_.WriteSetting(settings::kLabelInputFile, path);
}

void MainWindowState::ChooseLogInputFile(const std::string& path) {
  LogInputFile = path;
  logPrintEnabled = true;
  settings_.WriteSetting(settings::kLogInputFile, path);
}

bool MainWindowState::PrepareDesignEditing(int design) {
  CustomDesignNumber = design;
  const settings::NumberedKey nameKey = settings::DesignKey(design, settings::kDesignName);
  if (!settings_.ReadSetting(nameKey, "").empty()) {
    return true;
  }
  const auto answer = ui_.AskText(
      "Enter name for Custom Label Design #" + std::to_string(design) + ": ", "Name Needed");
  const std::string name(answer ? text::TrimBlanks(*answer) : std::string_view());
  if (name.empty()) {
    return false;  // a design is not edited without a name
  }
  settings_.WriteSetting(nameKey, name);
  ShowDesignName(design, name);
  return true;
}

void MainWindowState::ShowDesignName(int design, std::string_view name) {
  designMenuCaptions[static_cast<std::size_t>(design - 1)] = DesignMenuCaption(name);
}

void MainWindowState::AskForUnsetCall() {
  if (callAsked_ || !settings::OperatorCallUnset(settings_)) {
    return;
  }
  callAsked_ = true;  // a refusal is not asked again until the next start
  const auto answer = ui_.AskText(
      "Your call sign is not set yet. Enter your call sign (SetUp, Your Information changes it "
      "later): ",
      "Call Sign Needed");
  const std::string call(answer ? text::TrimBlanks(*answer) : std::string_view());
  if (!call.empty()) {
    settings_.WriteSetting(settings::kMyCall, call);
    OperatorCall = call;
  }
}

void MainWindowState::ReadAppliedSettings() {
  OperatorCall = settings::ReadOperatorCall(settings_);
  ShowStockDescription();
}

}  // namespace tavrilon::shell
