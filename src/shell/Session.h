#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "adif/AdifInput.h"
#include "settings/SettingsFile.h"
#include "sheets/InstalledSheets.h"

namespace tavrilon {

// Everything the program keeps for its whole life: the settings file and the
// state of the runs. The desktop program and the batch tool each own one.
class Session {
 public:
  // `dataFolder` holds the dictionary and the help document
  // (settings::DataFolder).
  Session(std::filesystem::path programFolder, std::filesystem::path dataFolder,
          std::filesystem::path settingsFile);

  // What every start does first: the settings file made ready, the version
  // written, the label databases' folders found (read when first needed).
  void Start();

  const std::filesystem::path& ProgramFolder() const { return programFolder_; }
  const std::filesystem::path& DataFolder() const { return dataFolder_; }
  settings::SettingsFile& Settings() { return settings_; }
  adif::AdifInput& Input() { return input_; }
  // The installed label databases; their folders are known from Start() on.
  sheets::InstalledSheets& LabelSheets() { return *labelSheets_; }
  // What no print or file the program writes may replace, in the window and
  // in tavrilon-batch alike: the label and logbook logs the settings hold,
  // the settings file, the dictionary, the program's own files, and the
  // callbook's data files and index.
  std::vector<std::filesystem::path> ProtectedFiles();

 private:
  std::filesystem::path programFolder_;
  std::filesystem::path dataFolder_;
  settings::SettingsFile settings_;
  adif::AdifInput input_;
  std::unique_ptr<sheets::InstalledSheets> labelSheets_ =
      std::make_unique<sheets::InstalledSheets>();
};

}  // namespace tavrilon
