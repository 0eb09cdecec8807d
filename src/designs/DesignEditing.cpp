#include "designs/DesignEditing.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "text/Text.h"

namespace tavrilon::designs {

namespace {

using namespace settings;

constexpr std::size_t kConditionParts = 5;

// "True" in any case, or a number other than 0 ("-1" as some programs write).
bool StoredFlag(std::string_view stored) {
  if (text::EqualsIgnoringCase(stored, "True")) {
    return true;
  }
  const auto number = text::ParseSignedNumber(stored);
  return number && *number != 0;
}

const char* FlagText(bool on) {
  return on ? "True" : "False";
}

}  // namespace

FieldOptions ReadFieldOptions(SettingsFile& settings, int design, int field) {
  const SettingsRead reading(settings);
  const auto read = [&](DesignKeyName name) {
    return settings.ReadSetting(DesignFieldKey(design, field, name), "");
  };
  FieldOptions o;
  o.adif = read(kFieldAdif);
  o.label = read(kFieldLabel);
  const std::string condition = read(kFieldCondition);
  if (!condition.empty() && condition != "|Equal|||") {
    std::vector<std::string_view> parts = text::SplitAtMost(condition, '|', kConditionParts);
    parts.resize(kConditionParts);  // missing parts are empty
    o.testField = parts[0];
    o.testsEqual = parts[1] == "Equal";
    o.compareText = parts[2];
    o.thenText = parts[3];
    o.elseText = parts[4];
  }
  o.horiz = read(kFieldHoriz);
  o.vert = read(kFieldVert);
  o.fontName = read(kFieldFontName);
  o.fontSize = read(kFieldFontSize);
  o.bold = StoredFlag(read(kFieldFontBold));
  o.italic = StoredFlag(read(kFieldFontItalic));
  o.underline = StoredFlag(read(kFieldFontUnderline));
  o.strikethru = StoredFlag(read(kFieldFontStrikethru));
  o.fontColor = read(kFieldFontColor);
  o.repeats = text::ParseDecimal(read(kFieldMultiRpt)) == 1;
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
  write(kFieldFontSize, o.fontSize);
  write(kFieldFontBold, FlagText(o.bold));
  write(kFieldFontItalic, FlagText(o.italic));
  write(kFieldFontUnderline, FlagText(o.underline));
  write(kFieldFontStrikethru, FlagText(o.strikethru));
  write(kFieldFontColor, o.fontColor);
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
