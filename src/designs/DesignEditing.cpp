#include "designs/DesignEditing.h"

#include <charconv>
#include <cmath>

namespace tavrilon::designs {

namespace {

using namespace settings;

const char* FlagText(bool on) {
  return on ? "True" : "False";
}

}  // namespace

FieldOptions OptionsOf(const DesignField& field) {
  FieldOptions o;
  o.adif = field.adif;
  o.label = field.stored.label;
  const std::string& condition = field.stored.condition;
  if (!condition.empty() && condition != "|Equal|||") {
    const auto parts = ConditionParts(condition);
    o.testField = parts[0];
    o.testsEqual = parts[1] == "Equal";
    o.compareText = parts[2];
    o.thenText = parts[3];
    o.elseText = parts[4];
  }
  o.horiz = field.stored.horiz;
  o.vert = field.stored.vert;
  o.fontName = field.fontName;
  o.fontSize = field.fontSize;
  o.bold = field.bold;
  o.italic = field.italic;
  o.underline = field.underline;
  o.strikethru = field.strikethru;
  o.color = field.color;
  o.repeats = field.repeats;
  return o;
}

std::string ConditionSetting(const FieldOptions& o) {
  return o.testField + "|" + (o.testsEqual ? "Equal" : "NotEqual") + "|" + o.compareText + "|" +
         o.thenText + "|" + o.elseText;
}

void WriteFieldOptions(SettingsFile& settings, int design, int field, const FieldOptions& o) {
  const SettingsBatch batch(settings);
  const auto write = [&](DesignKeyName name, std::string_view value) {
    settings.WriteSetting(DesignFieldKey(design, field, name), value);
  };
  write(kFieldAdif, o.adif);
  write(kFieldLabel, o.label);
  write(kFieldCondition, ConditionSetting(o));
  write(kFieldHoriz, o.horiz);
  write(kFieldVert, o.vert);
  write(kFieldFontName, o.fontName);
  write(kFieldFontSize, DecimalText(o.fontSize));
  write(kFieldFontBold, FlagText(o.bold));
  write(kFieldFontItalic, FlagText(o.italic));
  write(kFieldFontUnderline, FlagText(o.underline));
  write(kFieldFontStrikethru, FlagText(o.strikethru));
  write(kFieldFontColor, std::to_string(o.color));
  write(kFieldMultiRpt, o.repeats ? "1" : "0");
}

void ClearDesignFields(SettingsFile& settings, int design) {
  const SettingsBatch batch(settings);
  for (int field = 1; field <= kDesignFieldCount; ++field) {
    for (const DesignKeyName& name : kFirstRunFieldAttributes) {
      settings.WriteSetting(DesignFieldKey(design, field, name), name.firstRunValue);
    }
    settings.WriteSetting(DesignFieldKey(design, field, kFieldCondition), "");
  }
}

bool MoveDesignField(SettingsFile& settings, int design, int field, double rightInches,
                     double downInches) {
  const DesignField moved = ReadDesignField(settings, design, field);
  if (!moved.unreadable.empty()) {
    return false;
  }
  const SettingsBatch batch(settings);
  if (!moved.continuesText) {
    settings.WriteSetting(DesignFieldKey(design, field, kFieldHoriz),
                          HundredthsText(moved.horiz + rightInches));
  }
  settings.WriteSetting(DesignFieldKey(design, field, kFieldVert),
                        HundredthsText(moved.vert + downInches));
  return true;
}

std::string DecimalText(double value) {
  if (value == 0) {
    value = 0;  // no "-0"
  }
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, end.ptr);
}

std::string HundredthsText(double inches) {
  return DecimalText(std::round(inches * 100) / 100);
}

}  // namespace tavrilon::designs
