#include "app/SettingsApply.h"

#include "app/Desktop.h"
#include "app/QtText.h"

namespace tavrilon::app {

bool ApplySettings(settings::SettingsFile& settings, Desktop& desktop, QWidget* dialog,
                   const std::function<void()>& writes) {
  settings::SettingsBatch batch(settings);
  writes();
  if (batch.Close()) {
    return true;
  }
  const auto& failure = settings.LastWriteError();
  desktop.ShowMessage(dialog,
                      ToQString("Your settings could not be saved to " +
                                (failure ? failure->path.string() + ": " + failure->reason
                                         : settings.Path().string())),
                      MessageIcon::None);
  settings.MarkWriteErrorReported();
  return false;
}

}  // namespace tavrilon::app
