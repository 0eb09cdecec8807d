#pragma once

#include <string>
#include <string_view>

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace tavrilon::settings {

// The operator's call and return address start as texts that ask for them
// ("Enter your call here", "Your Address Line 1"...). The file keeps them as
// written, but they are prompts, not data: nothing prints them.

// The first-run text of the call or of a return address line; "" for any
// other key.
std::string FirstRunPrompt(const SettingKey& key);

// The key's value as printed and edited: its first-run text counts as empty;
// `missing` when the key is not in the file.
std::string ReadOperatorInfo(SettingsFile& settings, const SettingKey& key,
                             std::string_view missing = "");

// The call that heads the logbook and its web page: "Unknown" when the file
// has none, empty while it is still the first-run text.
std::string ReadOperatorCall(SettingsFile& settings);

// No call to print: the key missing, empty or still its first-run text.
bool OperatorCallUnset(SettingsFile& settings);

}  // namespace tavrilon::settings
