#pragma once

#include "settings/SettingsFile.h"

namespace tavrilon::settings {

// Run first at start-up: a missing file gets the first-run keys; an existing
// one gets the keys an older version did not write, and loses the log field
// names the program no longer offers.
void InitSettings(SettingsFile& settings);

}  // namespace tavrilon::settings
