#pragma once

#include <optional>
#include <string_view>

namespace tavrilon::sheets {

// A length of a label template, as written: a number and its unit.
struct TemplateLength {
  double inches = 0;
  std::string_view number;  // as written, blanks trimmed: "198.425", "" for an empty value
  std::string_view unit;    // "pt", "in", "mm", "cm" or "pc"; "pt" for a bare number
};

// "70mm", "2.625in", " 36 pt ", "198.425" (points), "3.9e-16pt", "" (0). The
// decimal point is always "." whatever the locale. Nothing for any other text.
std::optional<TemplateLength> ParseTemplateLength(std::string_view text);

// A count of labels ("3", " 8 "): a whole number of at least 1.
std::optional<int> ParseTemplateCount(std::string_view text);

}  // namespace tavrilon::sheets
