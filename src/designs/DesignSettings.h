#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/PrintSurface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::designs {

// The text a field prints before its prefix, chosen by testing a contact's
// value. "^" in the texts stands for a blank the settings file would trim.
struct FieldCondition {
  std::string testField;    // the ADIF field whose value is tested
  bool testsEqual = true;   // "Equal"; any other word tests for a difference
  std::string compareText;  // "^" read as blanks from here on
  std::string thenText;
  std::string elseText;  // a "|" in it stays
};

// A value the renderer cannot use: the run names the design, the field,
// the key, the value and what is wrong with it, and stops, rather than
// printing at a place or in a style nobody chose.
struct UnreadableValue {
  int field = 0;    // 1 to 15; 0 for a key of the design as a whole
  std::string key;  // as stored, "Field3Vert"
  std::string stored;
  std::string_view problem;  // follows the value: "is not a number"
};

// A field's keys as stored, empty when missing and "^" kept: what the editor
// and the options dialog show and write back, so that a value the renderer
// cannot use is seen as it was typed.
struct StoredFieldTexts {
  std::string label;
  std::string condition;
  std::string horiz;
  std::string vert;
  std::string fontName;
  std::string fontSize;
};

// Where a field's text stands on its place: starting there, centred on it,
// or ending there.
enum class FieldAlign { Left, Center, Right };
// "Left", "Center", "Right", as the design keys hold them.
std::string_view AlignText(FieldAlign align);
// The word in any case; nothing for any other text. Empty is Left.
std::optional<FieldAlign> ParseAlign(std::string_view stored);

// One of the fifteen fields of a custom label design. A key left empty, or
// holding a value that cannot be used, reads as the value the start-up pass
// would write into it.
struct DesignField {
  std::string adif;   // as stored; looked up by name in any case
  std::string label;  // the prefix, "^" read as blanks
  // "Condition" holds text, even when too short to be in force (the options
  // dialog stores "|Equal|||" for none): the field is then not unused.
  bool conditionStored = false;
  std::optional<FieldCondition> condition;
  bool continuesText = false;  // "Horiz" "A": where the text printed last ended
  double horiz = 0;            // inches from the label's left edge
  double vert = 0;             // inches from its top edge, on the first line
  std::string fontName;
  double fontSize = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethru = false;
  print::Colour color = 0;
  bool repeats = false;  // "MultiRpt" 1: printed on every line of a label
  // A text that goes on where the last one ended is always left aligned.
  FieldAlign align = FieldAlign::Left;
  StoredFieldTexts stored;
  std::vector<UnreadableValue> unreadable;
};

// The design's numbers as the editor shows and writes them back: "MultiLines"
// and "MultiDx" with the start-up value for an empty key, the picture's size
// as stored.
struct StoredDesignTexts {
  std::string multiLines;
  std::string multiDx;
  std::string imageWidth;
  std::string imageHeight;
};

struct CustomLabelDesign {
  std::string name;
  double multiLines = 1;  // contact lines per label, compared with the line count
  double multiDx = 0;     // inches from one contact line to the next
  bool printImage = false;
  std::string imagePath;
  std::optional<double> imageWidth;  // inches; none when empty
  std::optional<double> imageHeight;
  print::Orientation orientation = print::Orientation::Landscape;
  bool showGrid = false;
  bool shortName = false;  // a "NAME" field prints its first word only
  std::array<DesignField, settings::kDesignFieldCount> fields;
  StoredDesignTexts stored;
  // The design's own and then its fields', in the order they were read.
  std::vector<UnreadableValue> unreadable;
};

// A stored condition is in force only when longer than the nine characters
// "|Equal|||" the options dialog stores for none.
bool ConditionInForce(std::string_view stored);

inline constexpr std::size_t kConditionParts = 5;
// A stored condition's five parts as typed, "^" kept: the fifth runs to the
// end, any further "|" included, and missing parts are empty.
std::array<std::string_view, kConditionParts> ConditionParts(std::string_view stored);

// The one reader of a design, for the renderer, the editor and the options
// dialog alike, so that what they show is what prints.
DesignField ReadDesignField(settings::SettingsFile& settings, int design, int field);
CustomLabelDesign ReadCustomLabelDesign(settings::SettingsFile& settings, int design);

}  // namespace tavrilon::designs
