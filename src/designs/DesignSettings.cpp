#include "designs/DesignSettings.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "text/Text.h"

namespace tavrilon::designs {

namespace {

using settings::DesignKeyName;

constexpr std::size_t kLongestNoCondition = 9;  // "|Equal|||", as the options dialog stores none
constexpr std::uint32_t kWhite = 0xFFFFFF;      // the largest colour: blue, green and red full

constexpr std::string_view kNotANumber = "is not a number";
constexpr std::string_view kNotAPosition = "is neither a number nor A";
constexpr std::string_view kNotAFontSize = "is not a font size above 0";
constexpr std::string_view kNotAFlag = "is neither True nor False";
constexpr std::string_view kNotAColour = "is not a colour from 0 to 16777215";
constexpr std::string_view kNotAnAlignment = "is not Left, Center or Right";

// "^" keeps a blank that the settings file would trim.
std::string WithBlanks(std::string_view text) {
  std::string out(text);
  std::ranges::replace(out, '^', ' ');
  return out;
}

std::optional<FieldCondition> ParseCondition(std::string_view stored) {
  if (!ConditionInForce(stored)) {
    return std::nullopt;
  }
  const auto parts = ConditionParts(stored);
  return FieldCondition{std::string(parts[0]), parts[1] == "Equal", WithBlanks(parts[2]),
                        WithBlanks(parts[3]), WithBlanks(parts[4])};
}

// Reads the keys of one design (field 0) or of one of its fields. A value
// that cannot be used is noted, with what is wrong, and reads as the one the
// start-up pass writes.
class KeyReader {
 public:
  KeyReader(settings::SettingsFile& settings, int design, int field,
            std::vector<UnreadableValue>& unreadable)
      : settings_(settings), design_(design), field_(field), unreadable_(unreadable) {}

  std::string Stored(const DesignKeyName& name) { return settings_.ReadSetting(KeyOf(name), ""); }
  static std::string OrFirstRun(const DesignKeyName& name, const std::string& stored) {
    return stored.empty() ? std::string(name.firstRunValue) : stored;
  }
  std::string Text(const DesignKeyName& name) { return OrFirstRun(name, Stored(name)); }

  double Number(const DesignKeyName& name, const std::string& text,
                std::string_view problem = kNotANumber) {
    if (const auto value = text::ParseSignedNumber(text)) {
      return *value;
    }
    Note(name, text, problem);
    return FirstRunNumber(name);
  }
  double Number(const DesignKeyName& name) { return Number(name, Text(name)); }

  std::optional<double> NumberIfAny(const DesignKeyName& name, const std::string& stored) {
    const auto value = text::ParseSignedNumber(stored);
    if (!value && !stored.empty()) {
      Note(name, stored, kNotANumber);
    }
    return value;
  }

  double FontSize(const std::string& text) {
    const auto value = text::ParseSignedNumber(text);
    if (value && *value > 0) {
      return *value;
    }
    Note(settings::kFieldFontSize, text, kNotAFontSize);
    return FirstRunNumber(settings::kFieldFontSize);
  }

  // "True" or "False" in any case, as the start-up pass and the options
  // dialog write them, or a number that is true when not 0 ("1", "-1").
  bool Flag(const DesignKeyName& name) {
    const std::string text = Text(name);
    if (text::EqualsIgnoringCase(text, "True") || text::EqualsIgnoringCase(text, "False")) {
      return text::EqualsIgnoringCase(text, "True");
    }
    if (const auto value = text::ParseSignedNumber(text)) {
      return *value != 0;
    }
    Note(name, text, kNotAFlag);
    return false;
  }

  FieldAlign Align() {
    const std::string text = Text(settings::kFieldAlign);
    if (const auto align = ParseAlign(text)) {
      return *align;
    }
    Note(settings::kFieldAlign, text, kNotAnAlignment);
    return FieldAlign::Left;
  }

  // A whole number from 0 to white; "255.0" is red as "255" is.
  std::uint32_t Colour(const DesignKeyName& name) {
    const std::string text = Text(name);
    const auto value = text::ParseNumber(text);
    if (value && *value <= kWhite && *value == std::floor(*value)) {
      return static_cast<std::uint32_t>(*value);
    }
    Note(name, text, kNotAColour);
    return 0;
  }

 private:
  settings::NumberedKey KeyOf(const DesignKeyName& name) const {
    return field_ == 0 ? settings::DesignKey(design_, name)
                       : settings::DesignFieldKey(design_, field_, name);
  }
  static double FirstRunNumber(const DesignKeyName& name) {
    return text::ParseSignedNumber(name.firstRunValue).value_or(0);
  }
  void Note(const DesignKeyName& name, const std::string& stored, std::string_view problem) {
    unreadable_.push_back({field_, KeyOf(name).key, stored, problem});
  }

  settings::SettingsFile& settings_;
  int design_;
  int field_;
  std::vector<UnreadableValue>& unreadable_;
};

}  // namespace

bool ConditionInForce(std::string_view stored) {
  return text::CharCount(stored) > kLongestNoCondition;
}

std::string_view AlignText(FieldAlign align) {
  switch (align) {
    case FieldAlign::Center:
      return "Center";
    case FieldAlign::Right:
      return "Right";
    case FieldAlign::Left:
      break;
  }
  return "Left";
}

std::optional<FieldAlign> ParseAlign(std::string_view stored) {
  for (const FieldAlign align : {FieldAlign::Left, FieldAlign::Center, FieldAlign::Right}) {
    if (text::EqualsIgnoringCase(stored, AlignText(align))) {
      return align;
    }
  }
  return stored.empty() ? std::optional(FieldAlign::Left) : std::nullopt;
}

std::array<std::string_view, kConditionParts> ConditionParts(std::string_view stored) {
  const std::vector<std::string_view> split = text::SplitAtMost(stored, '|', kConditionParts);
  std::array<std::string_view, kConditionParts> parts;
  std::ranges::copy(split, parts.begin());
  return parts;
}

DesignField ReadDesignField(settings::SettingsFile& settings, int design, int field) {
  using namespace settings;
  const SettingsRead reading(settings);
  DesignField f;
  KeyReader read(settings, design, field, f.unreadable);
  StoredFieldTexts& stored = f.stored;
  f.adif = read.Text(kFieldAdif);
  stored.label = read.Stored(kFieldLabel);
  f.label = WithBlanks(stored.label);
  stored.condition = read.Stored(kFieldCondition);
  f.conditionStored = !stored.condition.empty();
  f.condition = ParseCondition(stored.condition);
  stored.horiz = read.Stored(kFieldHoriz);
  const std::string horiz = KeyReader::OrFirstRun(kFieldHoriz, stored.horiz);
  f.continuesText = text::EqualsIgnoringCase(horiz, "A");
  f.horiz = f.continuesText ? 0 : read.Number(kFieldHoriz, horiz, kNotAPosition);
  stored.vert = read.Stored(kFieldVert);
  f.vert = read.Number(kFieldVert, KeyReader::OrFirstRun(kFieldVert, stored.vert));
  stored.fontName = read.Stored(kFieldFontName);
  f.fontName = KeyReader::OrFirstRun(kFieldFontName, stored.fontName);
  stored.fontSize = read.Stored(kFieldFontSize);
  f.fontSize = read.FontSize(KeyReader::OrFirstRun(kFieldFontSize, stored.fontSize));
  f.bold = read.Flag(kFieldFontBold);
  f.italic = read.Flag(kFieldFontItalic);
  f.underline = read.Flag(kFieldFontUnderline);
  f.strikethru = read.Flag(kFieldFontStrikethru);
  f.color = read.Colour(kFieldFontColor);
  // Any other number is a field on the first line only, as "0" is.
  f.repeats = read.Number(kFieldMultiRpt) == 1;
  f.align = read.Align();
  return f;
}

CustomLabelDesign ReadCustomLabelDesign(settings::SettingsFile& settings, int design) {
  using namespace settings;
  const SettingsRead read(settings);
  CustomLabelDesign d;
  KeyReader key(settings, design, 0, d.unreadable);
  StoredDesignTexts& stored = d.stored;
  d.name = key.Text(kDesignName);
  stored.multiLines = key.Text(kDesignMultiLines);
  d.multiLines = key.Number(kDesignMultiLines, stored.multiLines);
  stored.multiDx = key.Text(kDesignMultiDx);
  d.multiDx = key.Number(kDesignMultiDx, stored.multiDx);
  // Only the exact words the editor writes switch these on.
  d.printImage = key.Text(kDesignPrintImage) == "TRUE";
  d.imagePath = key.Text(kDesignImagePath);
  stored.imageWidth = key.Stored(kDesignImageWidth);
  d.imageWidth = key.NumberIfAny(kDesignImageWidth, stored.imageWidth);
  stored.imageHeight = key.Stored(kDesignImageHeight);
  d.imageHeight = key.NumberIfAny(kDesignImageHeight, stored.imageHeight);
  d.orientation = key.Text(kDesignOrientation) == "Port" ? print::Orientation::Portrait
                                                         : print::Orientation::Landscape;
  d.showGrid = key.Text(kDesignShowGrid) == "1";
  d.shortName = key.Text(kDesignShortName) == "1";
  for (int field = 1; field <= kDesignFieldCount; ++field) {
    DesignField& f = d.fields[static_cast<std::size_t>(field - 1)];
    f = ReadDesignField(settings, design, field);
    d.unreadable.insert(d.unreadable.end(), f.unreadable.begin(), f.unreadable.end());
  }
  return d;
}

}  // namespace tavrilon::designs
