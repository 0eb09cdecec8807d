#include "sending/BureauKey.h"

#include <charconv>

namespace tavrilon::sending {

namespace {

// Below every character of a call or prefix, so that "K" comes before "KH6".
constexpr char kEnd = '\x01';
// Above them: a destination of no known country goes last.
constexpr char kNoCountry = '\x7f';

}  // namespace

void BureauKey(std::string& key, const countries::Country* country, std::string_view destination,
               std::string_view call, std::int64_t date, std::string_view time) {
  key.clear();
  if (country != nullptr) {
    key.append(country->primaryPrefix);
  } else {
    key.push_back(kNoCountry);
  }
  key.push_back(kEnd);
  key.append(destination).push_back(kEnd);
  key.append(call).push_back(kEnd);
  // Its count of digits first, so that a date number of any width compares as text.
  char digits[20];
  const auto written = std::to_chars(digits, digits + sizeof digits, date < 0 ? 0 : date);
  key.push_back(static_cast<char>('0' + (written.ptr - digits)));
  key.append(digits, written.ptr).append(time);
}

}  // namespace tavrilon::sending
