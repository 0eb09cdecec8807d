#include "designs/DesignSettings.h"

#include <algorithm>
#include <string_view>

#include "text/Text.h"

namespace tavrilon::designs {

namespace {

using settings::DesignKeyName;

constexpr std::size_t kConditionParts = 5;
constexpr std::size_t kLongestNoCondition = 9;  // "|Equal|||", as the options dialog stores none

// "^" keeps a blank that the settings file would trim.
std::string WithBlanks(std::string_view text) {
  std::string out(text);
  std::ranges::replace(out, '^', ' ');
  return out;
}

std::optional<FieldCondition> ParseCondition(std::string_view stored) {
  if (text::CharCount(stored) <= kLongestNoCondition) {
    return std::nullopt;
  }
  // The fifth part runs to the end, any further "|" included.
  const std::vector<std::string_view> parts = text::SplitAtMost(stored, '|', kConditionParts);
  const auto part = [&parts](std::size_t i) {
    return i < parts.size() ? parts[i] : std::string_view();
  };
  return FieldCondition{std::string(part(0)), part(1) == "Equal", WithBlanks(part(2)),
                        WithBlanks(part(3)), WithBlanks(part(4))};
}

// Reads the keys of one design (field 0) or of one of its fields.
class KeyReader {
 public:
  KeyReader(settings::SettingsFile& settings, int design, int field,
            std::vector<UnreadableValue>& unreadable)
      : settings_(settings), design_(design), field_(field), unreadable_(unreadable) {}

  // An empty key reads as the value the start-up pass writes into it.
  std::string Text(const DesignKeyName& name) {
    std::string value = settings_.ReadSetting(KeyOf(name), "");
    return value.empty() ? std::string(name.firstRunValue) : value;
  }

  double Number(const DesignKeyName& name, const std::string& stored) {
    if (const auto value = text::ParseSignedNumber(stored)) {
      return *value;
    }
    Note(name, stored);
    return 0;
  }
  double Number(const DesignKeyName& name) { return Number(name, Text(name)); }

  std::optional<double> NumberIfAny(const DesignKeyName& name) {
    const std::string stored = Text(name);
    return stored.empty() ? std::nullopt : std::optional<double>(Number(name, stored));
  }

  // "True" or "False" in any case, or a number that is true when not 0.
  bool Flag(const DesignKeyName& name) {
    const std::string stored = Text(name);
    if (text::EqualsIgnoringCase(stored, "True") || text::EqualsIgnoringCase(stored, "False")) {
      return text::EqualsIgnoringCase(stored, "True");
    }
    if (const auto value = text::ParseSignedNumber(stored)) {
      return *value != 0;
    }
    Note(name, stored);
    return false;
  }

  std::uint32_t Colour(const DesignKeyName& name) {
    const std::string stored = Text(name);
    const auto value = text::ParseDecimal(stored);
    if (value && *value <= 0xFFFFFFFF) {
      return static_cast<std::uint32_t>(*value);
    }
    Note(name, stored);
    return 0;
  }

 private:
  settings::NumberedKey KeyOf(const DesignKeyName& name) const {
    return field_ == 0 ? settings::DesignKey(design_, name)
                       : settings::DesignFieldKey(design_, field_, name);
  }
  void Note(const DesignKeyName& name, const std::string& stored) {
    unreadable_.push_back({field_, KeyOf(name).key, stored});
  }

  settings::SettingsFile& settings_;
  int design_;
  int field_;
  std::vector<UnreadableValue>& unreadable_;
};

}  // namespace

DesignField ReadDesignField(settings::SettingsFile& settings, int design, int field) {
  using namespace settings;
  const SettingsRead reading(settings);
  DesignField f;
  KeyReader read(settings, design, field, f.unreadable);
  f.adif = read.Text(kFieldAdif);
  f.label = WithBlanks(read.Text(kFieldLabel));
  const std::string condition = read.Text(kFieldCondition);
  f.conditionStored = !condition.empty();
  f.condition = ParseCondition(condition);
  const std::string horiz = read.Text(kFieldHoriz);
  f.continuesText = text::EqualsIgnoringCase(horiz, "A");
  f.horiz = f.continuesText ? 0 : read.Number(kFieldHoriz, horiz);
  f.vert = read.Number(kFieldVert);
  f.fontName = read.Text(kFieldFontName);
  f.fontSize = read.Number(kFieldFontSize);
  f.bold = read.Flag(kFieldFontBold);
  f.italic = read.Flag(kFieldFontItalic);
  f.underline = read.Flag(kFieldFontUnderline);
  f.strikethru = read.Flag(kFieldFontStrikethru);
  f.color = read.Colour(kFieldFontColor);
  f.repeats = read.Number(kFieldMultiRpt) == 1;
  return f;
}

CustomLabelDesign ReadCustomLabelDesign(settings::SettingsFile& settings, int design) {
  using namespace settings;
  const SettingsRead read(settings);
  CustomLabelDesign d;
  KeyReader key(settings, design, 0, d.unreadable);
  d.name = key.Text(kDesignName);
  d.multiLines = key.Number(kDesignMultiLines);
  d.multiDx = key.Number(kDesignMultiDx);
  // Only the exact words the editor writes switch these on.
  d.printImage = key.Text(kDesignPrintImage) == "TRUE";
  d.imagePath = key.Text(kDesignImagePath);
  d.imageWidth = key.NumberIfAny(kDesignImageWidth);
  d.imageHeight = key.NumberIfAny(kDesignImageHeight);
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
