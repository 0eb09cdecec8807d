#include "session/Session.h"

#include "adif/FieldTable.h"
#include "files/TemporaryFiles.h"
#include "settings/InitSettings.h"
#include "version/VersionString.h"

namespace tavrilon {

Session::Session(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                 std::filesystem::path settingsFile)
    : programFolder_(std::move(programFolder)),
      dataFolder_(std::move(dataFolder)),
      settings_(std::move(settingsFile)),
      input_(dataFolder_ / adif::kDictionaryFileName) {}

void Session::Start() {
  files::RemoveLeftoverTemporaryFiles(settings_.Path().parent_path());
  settings::InitSettings(settings_);
  settings_.WriteSetting(settings::kVersion, VersionString());
}

std::vector<std::filesystem::path> Session::OwnFiles() const {
  return {settings_.Path(), dataFolder_ / adif::kDictionaryFileName, programFolder_ / "tavrilon",
          programFolder_ / "tavrilon-batch", dataFolder_ / "Tavrilon-Help.pdf"};
}

}  // namespace tavrilon
