#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "settings/SettingsFile.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::sheets {

// The three sheets the user defines ("Custom 1" to "Custom 3"). Each lives in
// the settings file only, as settings::CustomSheetKey = the sheet's name and
// its eight entries joined by "|", the entries exactly as typed; it is read
// afresh at every use. An empty value means the sheet is not defined. The
// label's size came last and may be absent or blank: the label is then as
// large as the pitch.

inline constexpr int kCustomSheetCount = settings::kCustomSheetCount;

// The entries in their stored order; the dialog's column headings name them.
enum class CustomSheetEntry {
  Across,
  Down,
  HorizontalPitch,
  VerticalPitch,
  TopMargin,
  LeftMargin,
  LabelWidth,
  LabelHeight,
};
inline constexpr std::size_t kCustomSheetEntryCount = 8;
using CustomSheetEntries = std::array<std::string, kCustomSheetEntryCount>;

std::string_view CustomSheetEntryHeading(CustomSheetEntry entry);

// 1 to 3 for "Custom 1" to "Custom 3" (compared in capitals).
std::optional<int> CustomSheetNumber(std::string_view stock);
std::string CustomSheetName(int sheet);  // "Custom 2"

// The stored text split at every "|", empty parts kept.
std::vector<std::string_view> SplitStoredSheet(std::string_view stored);

// Not defined: blank, or without both across and down (as after "Apply" of an
// empty row). The main window calls such a sheet "Not Defined", and a run
// treats it the same way.
bool IsCustomSheetDefined(std::string_view stored);

// Why a defined sheet cannot be printed on, entry by entry.
enum class EntryProblem {
  Missing,          // absent from the stored value, or blank
  NotANumber,       // a length that is not a number of inches, 0 or more
  NotAWholeNumber,  // across or down not a whole number from 1 to kMostLabelsPerLine
  LargerThanPitch,  // a label wider or taller than its pitch, which the next label overlaps
};
inline constexpr int kMostLabelsPerLine = kMostLabelPosition;

struct CustomSheetEntryFault {
  CustomSheetEntry entry;
  EntryProblem problem;
  std::string stored;  // the entry as stored; empty when missing
};

struct CustomSheetFault {
  int sheet = 0;                               // 1 to 3
  std::vector<CustomSheetEntryFault> entries;  // in stored order, at least one
};

// The sheet a defined stored value describes (named by its part 0, as
// stored), or every entry that keeps it from being printed on. Numbers are
// decimal with blanks around allowed ("2.8", " .15 ", "3.0" for across).
std::variant<LabelSheet, CustomSheetFault> ParseCustomSheet(int sheet, std::string_view stored);

// What to tell the user about an incomplete sheet, with what to fix; the
// desktop program and the batch tool show the same text.
std::string CustomSheetFaultText(const CustomSheetFault& fault);

// The entries the setup dialog shows: all empty for a blank stored value,
// and empty where the stored value has no part.
CustomSheetEntries ReadCustomSheetEntries(int sheet, settings::SettingsFile& settings);

// Stores the three sheets from the setup dialog's rows, as typed: nothing is
// checked here, a run says what is wrong.
void WriteCustomSheets(const std::array<CustomSheetEntries, kCustomSheetCount>& rows,
                       settings::SettingsFile& settings);

}  // namespace tavrilon::sheets
