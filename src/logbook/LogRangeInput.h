#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrilon::logbook {

// The date and time range of a partial logbook, as the range dialog leaves it.
struct LogRange {
  std::string BeginDate;  // YYYYMMDD as typed, or empty
  std::string EndDate;
  std::string BeginTime;  // HH:MM, or empty
  std::string EndTime;
  bool RangeChosen = false;
};

// A date box may be left when it is empty or holds a calendar date as YYYYMMDD.
bool IsAcceptedDate(std::string_view text);
// A time box may be left when it is empty or holds a time of day as HHMM or
// HH:MM, not above 2400 (the minutes are not checked); answers the text the
// box then holds (without the colon), nothing when the focus must stay.
std::optional<std::string> AcceptedTime(std::string_view text);
// "Enter": an empty time is 0000, a time becomes HH:MM; the range is chosen
// when at least one date has eight characters.
LogRange ConfirmRange(std::string_view beginDate, std::string_view beginTime,
                      std::string_view endDate, std::string_view endTime);

// The start page dialog's answer: print from page `page` (from 1); nothing
// for a number below 1 or text that is not a number.
struct StartPageChoice {
  bool FromPageMode = false;
  int StartPage = 0;  // the pages left out: the page typed less 1
};
StartPageChoice ConfirmStartPage(std::string_view text);

}  // namespace tavrilon::logbook
