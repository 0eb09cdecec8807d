#pragma once

#include <functional>

#include "settings/SettingsFile.h"

class QWidget;

namespace tavrilon::app {

class Desktop;

// A dialog's Apply: `writes` reach the settings file together, and a file
// that cannot take them is reported at once with its name and the system's
// reason. False then: the dialog stays open, so nothing typed is lost.
bool ApplySettings(settings::SettingsFile& settings, Desktop& desktop, QWidget* dialog,
                   const std::function<void()>& writes);

}  // namespace tavrilon::app
