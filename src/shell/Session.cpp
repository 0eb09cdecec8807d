#include "shell/Session.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "adif/FieldTable.h"
#include "callbook/CallbookFolder.h"
#include "files/ReplacingFile.h"
#include "files/TemporaryFiles.h"
#include "settings/InitSettings.h"
#include "settings/SettingsKeys.h"
#include "sheets/TemplateFolders.h"
#include "version/VersionString.h"

namespace tavrilon {

Session::Session(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                 std::filesystem::path settingsFile)
    : programFolder_(std::move(programFolder)),
      dataFolder_(std::move(dataFolder)),
      settings_(std::move(settingsFile)),
      input_(dataFolder_ / adif::kDictionaryFileName) {}

void Session::Start() {
  // The settings file's own writes, one per click, leave this sweep to the start.
  std::string unfollowed;  // a write will say why
  if (const auto written = files::FinalTarget(settings_.Path(), unfollowed); unfollowed.empty()) {
    files::RemoveLeftoverTemporaryFiles(written.parent_path());
  }
  settings::InitSettings(settings_);
  settings_.WriteSetting(settings::kVersion, VersionString());
  const char* home = std::getenv("HOME");
  labelSheets_ = std::make_unique<sheets::InstalledSheets>(sheets::TemplateFolders(
      home == nullptr ? std::filesystem::path() : std::filesystem::path(home),
      settings_.ReadSetting(settings::kSheetTemplateFolder, "")));
}

std::vector<std::filesystem::path> Session::ProtectedFiles() {
  std::vector<std::filesystem::path> kept{
      settings_.Path(), dataFolder_ / adif::kDictionaryFileName, programFolder_ / "tavrilon",
      programFolder_ / "tavrilon-batch", dataFolder_ / "Tavrilon-Help.pdf"};
  const settings::SettingsRead read(settings_);
  for (const settings::SettingKey& log : {settings::kLabelInputFile, settings::kLogInputFile}) {
    if (std::string stored = settings_.ReadSetting(log, ""); !stored.empty()) {
      kept.emplace_back(std::move(stored));
    }
  }
  const std::filesystem::path callbook = settings_.ReadSetting(settings::kQrzDrive, "");
  std::string noCallbook;  // then nothing of one to keep
  if (const auto found = callbook::FindCallbookFiles(callbook, noCallbook)) {
    for (const std::filesystem::path& data :
         {found->usEntities, found->usHeaders, found->canada, found->ownList}) {
      if (!data.empty()) {
        kept.push_back(data);
      }
    }
    kept.push_back(callbook / callbook::kIndexFileName);
  }
  return kept;
}

}  // namespace tavrilon
