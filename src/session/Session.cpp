#include "session/Session.h"

#include "adif/FieldTable.h"
#include "settings/InitSettings.h"
#include "version/VersionString.h"

namespace tavrilon {

Session::Session(std::filesystem::path programFolder, std::filesystem::path settingsFile)
    : programFolder_(std::move(programFolder)),
      settings_(std::move(settingsFile)),
      input_(programFolder_ / adif::kDictionaryFileName) {}

void Session::Start() {
  settings::InitSettings(settings_);
  settings_.WriteSetting("Globals", "Version", VersionString());
}

}  // namespace tavrilon
