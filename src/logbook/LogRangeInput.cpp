#include "logbook/LogRangeInput.h"

#include <chrono>

#include "text/Text.h"

namespace tavrilon::logbook {

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "930" is 09:30, not 93:0.
std::string FourDigits(std::string_view time) {
  std::string text(time);
  text.insert(0, text.size() < 4 ? 4 - text.size() : 0, '0');
  return text;
}

// Every time reaches the range through AcceptedTime, so "15:00" and "1500"
// are one time; the boxes and the options are checked before, so a time
// that is not accepted does not come here.
std::string HoursAndMinutes(std::string_view time) {
  std::string digits = AcceptedTime(time).value_or(std::string());
  if (digits.empty()) {
    digits = "0000";
  }
  std::string text = digits.substr(0, 2);
  text += ':';
  text += digits.substr(2, 2);
  return text;
}

}  // namespace

std::optional<std::string> AcceptedTime(std::string_view text) {
  if (text.empty()) {
    return std::string();
  }
  std::string time(text);
  if (text::CharCount(time) == 5 && time[2] == ':') {
    time.erase(2, 1);
  }
  if (time.size() > 4 || !AllDigits(time)) {
    return std::nullopt;
  }
  const auto value = text::ParseWholeNumber(time);
  if (!value || *value > 2400) {
    return std::nullopt;
  }
  return FourDigits(time);
}

bool IsAcceptedDate(std::string_view text) {
  if (text.empty()) {
    return true;
  }
  if (text.size() != 8 || !AllDigits(text)) {
    return false;
  }
  const int year = std::stoi(std::string(text.substr(0, 4)));
  const unsigned month = static_cast<unsigned>(std::stoi(std::string(text.substr(4, 2))));
  const unsigned day = static_cast<unsigned>(std::stoi(std::string(text.substr(6, 2))));
  return year >= 1 && std::chrono::year_month_day(std::chrono::year(year),
                                                  std::chrono::month(month), std::chrono::day(day))
                          .ok();
}

LogRange ConfirmRange(std::string_view beginDate, std::string_view beginTime,
                      std::string_view endDate, std::string_view endTime) {
  LogRange range;
  range.BeginDate = std::string(beginDate);
  range.EndDate = std::string(endDate);
  range.BeginTime = HoursAndMinutes(beginTime);
  range.EndTime = HoursAndMinutes(endTime);
  range.RangeChosen = text::CharCount(beginDate) == 8 || text::CharCount(endDate) == 8;
  return range;
}

StartPageChoice ConfirmStartPage(std::string_view text) {
  const auto page = text::ParseWholeNumber(text);
  if (!page || *page < 1 || *page > 1000000) {
    return {};
  }
  return {true, static_cast<int>(*page) - 1};
}

}  // namespace tavrilon::logbook
