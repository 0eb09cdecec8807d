#include "shell/MainWindowState.h"

#include <filesystem>

#include "labels/LabelSheetDescription.h"
#include "labels/LabelStocks.h"
#include "settings/FirstRunSettings.h"
#include "text/Text.h"

namespace tavrilon::shell {

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
  SelectLogLayout(settings_.ReadSetting("Log", "LogLayOut", "DEFAULT") != "DEFAULT");

  LabelInputFile = settings_.ReadSetting(kLabels, "adifile", "");
  if (!FileExists(LabelInputFile)) {
    LabelInputFile.clear();
  }
  labelPrintEnabled = !LabelInputFile.empty();

  LabelDesign = settings_.ReadSetting(kLabels, "LabelLayOut", "");
  static constexpr std::pair<std::string_view, DesignOption> kDesigns[] = {
      {"DEFAULT", DesignOption::Default},
      {"SIMPLE", DesignOption::Simple},
      {"CUSTOM1", DesignOption::Custom1},
      {"CUSTOM2", DesignOption::Custom2},
      {"CUSTOM3", DesignOption::Custom3}};
  for (const auto& [value, option] : kDesigns) {
    if (LabelDesign == value) {
      SelectLabelDesign(option);
    }
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
  settings_.WriteSetting(kLabels, "LabelLayOut", LabelDesign);
}

void MainWindowState::SelectLabelDesign(DesignOption option) {
  designOption = option;
  switch (option) {
    case DesignOption::None:
      return;
    case DesignOption::Simple:
      sortEnabled = false;
      LabelDesign = "SIMPLE";
      break;
    case DesignOption::Default:
      sortEnabled = false;
      if (LabelStyle > 1) {
        ui_.ShowMessage("Default Layout can only be selected if Label Style 1 (QSL only) is used");
        SelectLabelDesign(DesignOption::Simple);
      } else {
        LabelDesign = "DEFAULT";
      }
      break;
    case DesignOption::Custom1:
    case DesignOption::Custom2:
    case DesignOption::Custom3: {
      sortEnabled = true;
      if (LabelStyle > 1) {
        ui_.ShowMessage("Custom Layouts can only be selected if Label Style 1 (QSL only) is used");
        SelectLabelDesign(DesignOption::Simple);
      } else {
        CustomDesignNumber = static_cast<int>(option) - static_cast<int>(DesignOption::Custom1) + 1;
        LabelDesign = "CUSTOM" + std::to_string(CustomDesignNumber);
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
  } else if (designOption != DesignOption::Simple) {
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

void MainWindowState::SelectLogLayout(bool custom) {
  logLayoutCustom = custom;
  LogLayout = custom ? "CUSTOM" : "DEFAULT";
  settings_.WriteSetting("Log", "LogLayOut", LogLayout);
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
