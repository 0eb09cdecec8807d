#include "designs/DesignEditing.h"

#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace tavrilon::designs {

namespace {

using namespace settings;

const char* FlagText(bool on) {
  return on ? "True" : "False";
}

// Every key of a field as the options write it, in the order they are written.
std::vector<std::pair<DesignKeyName, std::string>> FieldKeyTexts(const FieldOptions& o) {
  return {{kFieldAdif, o.adif},
          {kFieldLabel, o.label},
          {kFieldCondition, ConditionSetting(o)},
          {kFieldHoriz, o.horiz},
          {kFieldVert, o.vert},
          {kFieldFontName, o.fontName},
          {kFieldFontSize, DecimalText(o.fontSize)},
          {kFieldFontBold, FlagText(o.bold)},
          {kFieldFontItalic, FlagText(o.italic)},
          {kFieldFontUnderline, FlagText(o.underline)},
          {kFieldFontStrikethru, FlagText(o.strikethru)},
          {kFieldFontColor, std::to_string(o.color)},
          {kFieldMultiRpt, o.repeats ? "1" : "0"},
          {kFieldAlign, std::string(AlignText(o.align))}};
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
  o.align = field.align;
  return o;
}

std::string ConditionSetting(const FieldOptions& o) {
  return o.testField + "|" + (o.testsEqual ? "Equal" : "NotEqual") + "|" + o.compareText + "|" +
         o.thenText + "|" + o.elseText;
}

void WriteFieldOptions(SettingsFile& settings, int design, int field, const FieldOptions& o) {
  const SettingsBatch batch(settings);
  for (const auto& [name, value] : FieldKeyTexts(o)) {
    settings.WriteSetting(DesignFieldKey(design, field, name), value);
  }
}

void WriteChangedFieldOptions(SettingsFile& settings, int design, int field,
                              const FieldOptions& before, const FieldOptions& after) {
  const SettingsBatch batch(settings);
  const auto was = FieldKeyTexts(before);
  const auto now = FieldKeyTexts(after);
  for (std::size_t key = 0; key < now.size(); ++key) {
    if (now[key].second != was[key].second) {
      settings.WriteSetting(DesignFieldKey(design, field, now[key].first), now[key].second);
    }
  }
}

void ClearDesignFields(SettingsFile& settings, int design) {
  const SettingsBatch batch(settings);
  for (int field = 1; field <= kDesignFieldCount; ++field) {
    for (const DesignKeyName& name : kFirstRunFieldAttributes) {
      settings.WriteSetting(DesignFieldKey(design, field, name), name.firstRunValue);
    }
    settings.WriteSetting(DesignFieldKey(design, field, kFieldCondition), "");
    settings.WriteSetting(DesignFieldKey(design, field, kFieldAlign), AlignText(FieldAlign::Left));
  }
}

bool MoveDesignField(SettingsFile& settings, int design, int field, double rightInches,
                     double downInches, double snapInches) {
  const DesignField moved = ReadDesignField(settings, design, field);
  if (!moved.unreadable.empty()) {
    return false;
  }
  const SettingsBatch batch(settings);
  if (!moved.continuesText) {
    settings.WriteSetting(DesignFieldKey(design, field, kFieldHoriz),
                          HundredthsText(Snapped(moved.horiz + rightInches, snapInches)));
  }
  settings.WriteSetting(DesignFieldKey(design, field, kFieldVert),
                        HundredthsText(Snapped(moved.vert + downInches, snapInches)));
  return true;
}

double Snapped(double inches, double snapInches) {
  return snapInches > 0 ? std::round(inches / snapInches) * snapInches : inches;
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
