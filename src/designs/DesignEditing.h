#pragma once

#include <cstdint>
#include <string>

#include "designs/DesignSettings.h"
#include "settings/SettingsFile.h"

namespace tavrilon::designs {

// A field of a design as the field options dialog holds it: the texts the
// user types kept as typed, so that what the file keeps is what was typed;
// the font and the repeat box as the renderer reads them, so that Apply
// writes back what the label printed with.
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
  std::string fontName = "Arial";
  double fontSize = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethru = false;
  std::uint32_t color = 0;  // red in the lowest byte
  bool repeats = false;
  FieldAlign align = FieldAlign::Left;
  bool operator==(const FieldOptions&) const = default;
};

// The field as the design's reader read it; a key that is empty or missing
// leaves its text empty.
FieldOptions OptionsOf(const DesignField& field);
// The stored condition: the row's five texts joined by "|", "|Equal|||"
// for none.
std::string ConditionSetting(const FieldOptions& options);
// Writes every key of the field, in one save; the settings file keeps why
// it could not be saved.
void WriteFieldOptions(settings::SettingsFile& settings, int design, int field,
                       const FieldOptions& options);

// Writes only the keys whose text differs from `before`'s, in one save: an
// edit of one property leaves the field's other keys as they were stored.
void WriteChangedFieldOptions(settings::SettingsFile& settings, int design, int field,
                              const FieldOptions& before, const FieldOptions& after);

// Every field of the design back to what a new design holds; the keys of
// the design as a whole stay.
void ClearDesignFields(settings::SettingsFile& settings, int design);

// A field dragged by so many inches: its place written to the hundredth, or
// to the nearest multiple of `snapInches` when that is above 0; a text that
// goes on where the last one ended moves up and down only. False, with
// nothing written, when the field's place cannot be read.
bool MoveDesignField(settings::SettingsFile& settings, int design, int field, double rightInches,
                     double downInches, double snapInches = 0);

// `inches` at the nearest multiple of `snapInches`; as it is when that is 0.
double Snapped(double inches, double snapInches);

// A number as the design keys hold it: no exponent, no trailing zeros
// ("10", "10.5", "-0.25").
std::string DecimalText(double value);
// A position in inches rounded to 0.01, as a drag stores it.
std::string HundredthsText(double inches);

}  // namespace tavrilon::designs
