#include "shell/MainWindowState.h"

#include <filesystem>

#include "labels/LabelSheetDescription.h"
#include "labels/LabelStocks.h"
#include "settings/FirstRunSettings.h"
#include "text/Text.h"

namespace tavrilon::shell {

using labels::LabelDesign;

namespace {

constexpr const char* kLabels = "QSL Labels";

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string DesignMenuCaption(std::string_view name) {
  return "Custom Label Design - " + std::string(name);
}

}  // namespace

MainWindowState::MainWindowState(settings::SettingsFile& settings, UserInterface& ui)
    : settings_(settings), ui_(ui) {}

std::string MainWindowState::WindowCaption(const std::string& version) {
  return "Tavrilon  Version " + version;
}

std::string MainWindowState::AboutVersionLabel(const std::string& version) {
  return "     " + version;
}

void MainWindowState::Start() {
  for (int design = 1; design <= settings::kDesignCount; ++design) {
    const std::string name = settings_.ReadSetting(settings::DesignSection(design), "Name", "");
    if (!name.empty()) {
      designMenuCaptions[static_cast<std::size_t>(design - 1)] = DesignMenuCaption(name);
    }
  }
  labelPrintEnabled = false;
  logPrintEnabled = false;

  OperatorCall = settings_.ReadSetting("Globals", "mycall", "Unknown");

  // A stored input file that is gone is forgotten; the setting stays.
  LogInputFile = settings_.ReadSetting("Log", "adifile", "");
  if (!FileExists(LogInputFile)) {
    LogInputFile.clear();
  }
  logPrintEnabled = !LogInputFile.empty();
  SelectLogLayout(logbook::LogLayoutOf(settings_.ReadSetting("Log", "LogLayOut", "DEFAULT")));

  LabelInputFile = settings_.ReadSetting(kLabels, "adifile", "");
  if (!FileExists(LabelInputFile)) {
    LabelInputFile.clear();
  }
  labelPrintEnabled = !LabelInputFile.empty();

  // Only the exact stored word selects its option; the run reads it in
  // capitals.
  const std::string storedDesign = settings_.ReadSetting(kLabels, "LabelLayOut", "");
  LabelDesign = labels::LabelDesignOf(storedDesign);
  if (storedDesign == labels::StoredLabelDesign(LabelDesign)) {
    SelectLabelDesign(LabelDesign);
  }

  UseQRZ = settings_.ReadSetting(kLabels, "UseQRZ", "");
  if (UseQRZ == "TRUE") {
    SetUseQrz(true);
  }

  // Stored values out of range fall back to the first-run values.
  const auto sort = text::ParseDecimal(settings_.ReadSetting(kLabels, "SortFile", "0"));
  SetSortFile(sort == 1);

  const auto style = text::ParseDecimal(settings_.ReadSetting(kLabels, "LabelSet", "1"));
  SelectLabelStyle(style && *style >= 1 && *style <= 3 ? static_cast<int>(*style) : 1);

  std::string stockText = settings_.ReadSetting(kLabels, "LabelType", "0");
  const auto stock = text::ParseDecimal(stockText.empty() ? "0" : stockText);
  const bool stockValid =
      stock && *stock >= 0 && static_cast<std::size_t>(*stock) < labels::kLabelStocks.size();
  SelectLabelStock(stockValid ? static_cast<std::size_t>(*stock) : 0);
}

void MainWindowState::WriteLabelLayout() {
  settings_.WriteSetting(kLabels, "LabelLayOut", labels::StoredLabelDesign(LabelDesign));
}

void MainWindowState::SelectLabelDesign(labels::LabelDesign option) {
  designOption = option;
  switch (option) {
    case LabelDesign::None:
      return;
    case LabelDesign::Simple:
      sortEnabled = false;
      LabelDesign = option;
      break;
    case LabelDesign::Default:
      sortEnabled = false;
      if (LabelStyle > 1) {
        ui_.ShowMessage("Default Layout can only be selected if Label Style 1 (QSL only) is used");
        SelectLabelDesign(LabelDesign::Simple);
      } else {
        LabelDesign = option;
      }
      break;
    case LabelDesign::Custom1:
    case LabelDesign::Custom2:
    case LabelDesign::Custom3: {
      sortEnabled = true;
      if (LabelStyle > 1) {
        ui_.ShowMessage("Custom Layouts can only be selected if Label Style 1 (QSL only) is used");
        SelectLabelDesign(LabelDesign::Simple);
      } else {
        CustomDesignNumber = labels::CustomDesignNumberOf(option);
        LabelDesign = option;
      }
      break;
    }
  }
  WriteLabelLayout();
}

void MainWindowState::SelectLabelStyle(int style) {
  styleOption = style;
  if (style == 1) {
    LabelStyle = 1;
    qrzEnabled = false;
  } else if (designOption != LabelDesign::Simple) {
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
  settings_.WriteSetting(kLabels, "LabelSet", std::to_string(LabelStyle));
}

void MainWindowState::SelectLogLayout(logbook::LogLayout layout) {
  LogLayout = layout;
  settings_.WriteSetting("Log", "LogLayOut", logbook::StoredLogLayout(layout));
}

void MainWindowState::SetUseQrz(bool checked) {
  qrzChecked = checked;
  UseQRZ = checked ? "TRUE" : "FALSE";
  qrzDriveText = checked ? text::AsciiUpper(settings_.ReadSetting(kLabels, "CDdrive", "")) : "";
  settings_.WriteSetting(kLabels, "UseQRZ", UseQRZ);
}

void MainWindowState::SetSortFile(bool checked) {
  sortChecked = checked;
  settings_.WriteSetting(kLabels, "SortFile", checked ? "1" : "0");
}

void MainWindowState::SelectLabelStock(std::size_t index) {
  stockIndex = index;
  LabelStock = std::string(labels::kLabelStocks.at(index));
  settings_.WriteSetting(kLabels, "LabelType", std::to_string(index));
  // A stock with no description leaves the previous one showing.
  if (auto description = labels::SheetDescription(LabelStock, settings_)) {
    labelInfoText = std::move(*description);
  }
}

void MainWindowState::ChooseLabelInputFile(const std::string& path) {
  LabelInputFile = path;
  labelPrintEnabled = true;
  settings_.WriteSetting(kLabels, "adifile", path);
}

void MainWindowState::ChooseLogInputFile(const std::string& path) {
  LogInputFile = path;
  logPrintEnabled = true;
  settings_.WriteSetting("Log", "adifile", path);
}

bool MainWindowState::PrepareDesignEditing(int design) {
  CustomDesignNumber = design;
  const std::string section = settings::DesignSection(design);
  if (!settings_.ReadSetting(section, "Name", "").empty()) {
    return true;
  }
  const auto answer = ui_.AskText(
      "Enter name for Custom Label Design #" + std::to_string(design) + ": ", "Name Needed");
  const std::string name(answer ? text::TrimBlanks(*answer) : std::string_view());
  if (name.empty()) {
    return false;  // a design is not edited without a name
  }
  settings_.WriteSetting(section, "Name", name);
  designMenuCaptions[static_cast<std::size_t>(design - 1)] = DesignMenuCaption(name);
  return true;
}

}  // namespace tavrilon::shell
