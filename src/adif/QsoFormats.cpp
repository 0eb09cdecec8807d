#include "adif/QsoFormats.h"

#include <array>
#include <chrono>

#include "text/Text.h"

namespace tavrilon::adif {

using text::CharRange;
using text::FirstChars;

std::string FormatAdifTime(std::string_view t) {
  if (t.empty()) {
    return {};
  }
  if (CharRange(t, 3, 3) == ":") {
    return std::string(FirstChars(t, 5));
  }
  std::string out(FirstChars(t, 2));
  out += ':';
  out += CharRange(t, 3, 4);
  return out;
}

std::string_view MonthAbbreviation(std::string_view mm) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const auto month = text::ParseWholeNumber(mm);
  if (!month || *month < 1 || *month > 12) {
    return "XXX";
  }
  return kMonths[static_cast<std::size_t>(*month - 1)];
}

std::string FormatAdifDate(std::string_view d) {
  std::size_t length = text::CharCount(d);
  if (length == 9 && d.back() == ' ') {
    d.remove_suffix(1);
    length = 8;
  }
  if (length != 8) {
    return "Unknown";
  }
  std::string out(CharRange(d, 7, 8));
  out += ' ';
  out += MonthAbbreviation(CharRange(d, 5, 6));
  out += ' ';
  out += CharRange(d, 1, 4);
  return out;
}

bool IsAdifDate(std::string_view d) {
  if (d.size() == 9 && d.back() == ' ') {
    d.remove_suffix(1);
  }
  if (d.size() != 8) {
    return false;
  }
  // Read as the label reads the month: blanks around a number are allowed.
  const auto year = text::ParseWholeNumber(d.substr(0, 4));
  const auto month = text::ParseWholeNumber(d.substr(4, 2));
  const auto day = text::ParseWholeNumber(d.substr(6, 2));
  return year && month && day &&
         std::chrono::year_month_day(std::chrono::year(static_cast<int>(*year)),
                                     std::chrono::month(static_cast<unsigned>(*month)),
                                     std::chrono::day(static_cast<unsigned>(*day)))
             .ok();
}

std::string CutFrequency(std::string_view f) {
  const auto cut = [f](char separator) {
    const std::size_t first = f.find(separator);
    std::string_view second = f.substr(first + 1);
    second = second.substr(0, second.find(separator));
    std::string out(f.substr(0, first));
    out += separator;
    out += FirstChars(second, 4);
    return out;
  };
  if (f.find(',') != std::string_view::npos) {
    return cut(',');
  }
  if (f.find('.') == std::string_view::npos) {
    return std::string(FirstChars(f, 6));
  }
  return cut('.');
}

std::int64_t DateNumber(std::string_view rawDate) {
  return text::ParseWholeNumber(rawDate).value_or(0);
}

}  // namespace tavrilon::adif
