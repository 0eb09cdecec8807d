#include "sheets/CustomSheets.h"

#include <algorithm>
#include <cmath>

#include "text/Text.h"

namespace tavrilon::sheets {

namespace {

std::optional<int> ParseLabelCount(std::string_view s) {
  const auto value = text::ParseNumber(s);
  if (!value || *value < 1 || *value > kMostLabelsPerLine || std::trunc(*value) != *value) {
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

std::string_view PartOr(const std::vector<std::string_view>& parts, std::size_t i) {
  return i < parts.size() ? parts[i] : std::string_view();
}

bool IsLabelSize(CustomSheetEntry entry) {
  return entry == CustomSheetEntry::LabelWidth || entry == CustomSheetEntry::LabelHeight;
}

// The pitch a label's width or height must fit in.
CustomSheetEntry PitchOf(CustomSheetEntry size) {
  return size == CustomSheetEntry::LabelWidth ? CustomSheetEntry::HorizontalPitch
                                              : CustomSheetEntry::VerticalPitch;
}

double PitchValue(CustomSheetEntry size, const LabelSheet& sheet) {
  return size == CustomSheetEntry::LabelWidth ? sheet.horizontalPitch : sheet.verticalPitch;
}

// A label larger than its pitch runs into the next one; a single label in
// that direction has no next one.
bool RunsIntoNext(CustomSheetEntry size, double length, const LabelSheet& sheet) {
  const int labels = size == CustomSheetEntry::LabelWidth ? sheet.across : sheet.down;
  return labels > 1 && length > PitchValue(size, sheet);
}

}  // namespace

std::string_view CustomSheetEntryHeading(CustomSheetEntry entry) {
  switch (entry) {
    case CustomSheetEntry::Across:
      return "Number Across";
    case CustomSheetEntry::Down:
      return "Number Down";
    case CustomSheetEntry::HorizontalPitch:
      return "Horizontal Pitch";
    case CustomSheetEntry::VerticalPitch:
      return "Vertical Pitch";
    case CustomSheetEntry::TopMargin:
      return "Top Margin";
    case CustomSheetEntry::LeftMargin:
      return "Left Margin";
    case CustomSheetEntry::LabelWidth:
      return "Label Width";
    case CustomSheetEntry::LabelHeight:
      return "Label Height";
  }
  return {};
}

std::optional<int> CustomSheetNumber(std::string_view stock) {
  for (int sheet = 1; sheet <= kCustomSheetCount; ++sheet) {
    if (text::EqualsIgnoringCase(stock, CustomSheetName(sheet))) {
      return sheet;
    }
  }
  return std::nullopt;
}

std::string CustomSheetName(int sheet) {
  return "Custom " + std::to_string(sheet);
}

std::vector<std::string_view> SplitStoredSheet(std::string_view stored) {
  return text::Split(stored, '|');
}

bool IsCustomSheetDefined(std::string_view stored) {
  if (text::TrimBlanks(stored).empty()) {
    return false;
  }
  const auto parts = SplitStoredSheet(stored);
  return !text::TrimBlanks(PartOr(parts, 1)).empty() || !text::TrimBlanks(PartOr(parts, 2)).empty();
}

std::variant<LabelSheet, CustomSheetFault> ParseCustomSheet(int sheet, std::string_view stored) {
  const auto parts = SplitStoredSheet(stored);
  CustomSheetFault fault{sheet, {}};
  LabelSheet result;
  result.name = std::string(parts[0]);
  int* counts[] = {&result.across, &result.down};
  double* lengths[] = {&result.horizontalPitch, &result.verticalPitch, &result.topMargin,
                       &result.leftMargin,      &result.labelWidth,    &result.labelHeight};
  const auto read = [&fault](CustomSheetEntry entry) {
    return std::none_of(fault.entries.begin(), fault.entries.end(),
                        [entry](const CustomSheetEntryFault& e) { return e.entry == entry; });
  };
  for (std::size_t i = 0; i < kCustomSheetEntryCount; ++i) {
    const auto entry = static_cast<CustomSheetEntry>(i);
    const std::string_view part = PartOr(parts, i + 1);
    if (text::TrimBlanks(part).empty()) {
      if (IsLabelSize(entry)) {
        *lengths[i - 2] = PitchValue(entry, result);
      } else {
        fault.entries.push_back({entry, EntryProblem::Missing, std::string(part)});
      }
    } else if (i < 2) {
      if (const auto count = ParseLabelCount(part)) {
        *counts[i] = *count;
      } else {
        fault.entries.push_back({entry, EntryProblem::NotAWholeNumber, std::string(part)});
      }
    } else if (const auto length = text::ParseNumber(part)) {
      *lengths[i - 2] = *length;
      if (IsLabelSize(entry) && read(PitchOf(entry)) && RunsIntoNext(entry, *length, result)) {
        fault.entries.push_back({entry, EntryProblem::LargerThanPitch, std::string(part)});
      }
    } else {
      fault.entries.push_back({entry, EntryProblem::NotANumber, std::string(part)});
    }
  }
  if (!fault.entries.empty()) {
    return fault;
  }
  return result;
}

std::string CustomSheetFaultText(const CustomSheetFault& fault) {
  std::string text = "The label sheet " + CustomSheetName(fault.sheet) + " cannot be printed on: ";
  for (std::size_t i = 0; i < fault.entries.size(); ++i) {
    const CustomSheetEntryFault& e = fault.entries[i];
    if (i > 0) {
      text += "; ";
    }
    text += "its ";
    text += CustomSheetEntryHeading(e.entry);
    switch (e.problem) {
      case EntryProblem::Missing:
        text += " is missing";
        break;
      case EntryProblem::NotANumber:
        text += " \"" + e.stored + "\" is not a number of inches (0 or more)";
        break;
      case EntryProblem::NotAWholeNumber:
        text += " \"" + e.stored + "\" is not a whole number from 1 to " +
                std::to_string(kMostLabelsPerLine);
        break;
      case EntryProblem::LargerThanPitch:
        text += " \"" + e.stored + "\" is larger than its ";
        text += CustomSheetEntryHeading(PitchOf(e.entry));
        break;
    }
  }
  return text + ". Correct it under SetUp, Custom Label Sheet Setup.";
}

CustomSheetEntries ReadCustomSheetEntries(int sheet, settings::SettingsFile& settings) {
  const std::string stored = settings.ReadSetting(settings::CustomSheetKey(sheet), "");
  CustomSheetEntries entries;
  if (text::TrimBlanks(stored).empty()) {
    return entries;
  }
  const auto parts = SplitStoredSheet(stored);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i] = PartOr(parts, i + 1);
  }
  return entries;
}

void WriteCustomSheets(const std::array<CustomSheetEntries, kCustomSheetCount>& rows,
                       settings::SettingsFile& settings) {
  for (int sheet = 1; sheet <= kCustomSheetCount; ++sheet) {
    std::string value = CustomSheetName(sheet);
    for (const std::string& entry : rows[static_cast<std::size_t>(sheet - 1)]) {
      value += '|';
      value += entry;
    }
    settings.WriteSetting(settings::CustomSheetKey(sheet), value);
  }
}

}  // namespace tavrilon::sheets
