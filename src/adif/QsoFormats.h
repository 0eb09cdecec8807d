#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How the reader normalises dates, times and frequencies of a contact.
namespace tavrilon::adif {

// 1234 and 123456 give 12:34; 12:34:56 gives 12:34; empty stays empty.
std::string FormatAdifTime(std::string_view t);
// 20061028 gives 28 OCT 2006 (a ninth character that is a blank is ignored);
// any other length gives "Unknown".
std::string FormatAdifDate(std::string_view d);
// Whether a QSO_DATE names a day of the calendar: eight digits YYYYMMDD (a
// ninth character that is a blank is ignored) of a month that has that day.
bool IsAdifDate(std::string_view d);
// "01" to "12" give JAN to DEC; anything else XXX.
std::string_view MonthAbbreviation(std::string_view mm);
// At most four digits after "." or ","; with neither, the first six characters.
std::string CutFrequency(std::string_view f);
// Digits only, blanks around them allowed; anything else is 0.
std::int64_t DateNumber(std::string_view rawDate);

}  // namespace tavrilon::adif
