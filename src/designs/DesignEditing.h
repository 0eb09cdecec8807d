#pragma once

#include <string>

#include "settings/SettingsFile.h"

namespace tavrilon::designs {

// A field of a design as the field options dialog holds it: the stored
// texts, unchecked, so that what the user typed is what the file keeps.
struct FieldOptions {
  std::string adif;
  std::string label;  // "^" kept as typed
  // The condition row: nothing typed and "Equal" means no condition.
  std::string testField;
  bool testsEqual = true;
  std::string compareText;
  std::string thenText;
  std::string elseText;
  std::string horiz;
  std::string vert;
  std::string fontName;  // empty: no font set
  std::string fontSize;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethru = false;
  std::string fontColor;  // a decimal number, red in the lowest byte
  bool repeats = false;
};

// The field as stored; a key that is empty or missing leaves its text empty.
FieldOptions ReadFieldOptions(settings::SettingsFile& settings, int design, int field);
// The stored condition: the row's five texts joined by "|", "|Equal|||"
// for none.
std::string ConditionSetting(const FieldOptions& options);
// Writes every key of the field, in one save; the settings file keeps why
// it could not be saved.
void WriteFieldOptions(settings::SettingsFile& settings, int design, int field,
                       const FieldOptions& options);

// Every field of the design back to what a new design holds; the keys of
// the design as a whole stay.
void ClearDesignFields(settings::SettingsFile& settings, int design);

// A number as the design keys hold it: no exponent, no trailing zeros
// ("10", "10.5", "-0.25").
std::string DecimalText(double value);
// A position in inches rounded to 0.01, as a drag stores it.
std::string HundredthsText(double inches);

}  // namespace tavrilon::designs
