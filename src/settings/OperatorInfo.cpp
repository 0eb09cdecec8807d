#include "settings/OperatorInfo.h"

#include "text/Text.h"

namespace tavrilon::settings {

namespace {

bool SameKey(const SettingKey& a, const SettingKey& b) {
  return text::EqualsIgnoringCase(a.section, b.section) && text::EqualsIgnoringCase(a.key, b.key);
}

}  // namespace

std::string FirstRunPrompt(const SettingKey& key) {
  if (SameKey(key, kMyCall)) {
    return "Enter your call here";
  }
  for (int line = 1; line <= kReturnLabelLineCount; ++line) {
    if (SameKey(key, ReturnLabelLineKey(line))) {
      return "Your Address Line " + std::to_string(line);
    }
  }
  return "";
}

std::string ReadOperatorInfo(SettingsFile& settings, const SettingKey& key,
                             std::string_view missing) {
  std::string value = settings.ReadSetting(key, missing);
  return value == FirstRunPrompt(key) ? "" : value;
}

std::string ReadOperatorCall(SettingsFile& settings) {
  return ReadOperatorInfo(settings, kMyCall, "Unknown");
}

bool OperatorCallUnset(SettingsFile& settings) {
  return text::TrimBlanks(ReadOperatorInfo(settings, kMyCall)).empty();
}

}  // namespace tavrilon::settings
