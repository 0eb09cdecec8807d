#include "sending/Destination.h"

#include <algorithm>
#include <utility>

#include "text/Text.h"

namespace tavrilon::sending {

namespace {

bool IsLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// `word` in capitals, of letters, digits and "/" only. Its longest part
// between strokes is the call itself ("EA5XX/P", "KH6/W1AW"): 3 to 10
// characters with a digit, ending in a letter, which words such as BURO,
// LOTW or 2024 are not.
bool LooksLikeCall(std::string_view word) {
  std::string_view main;
  for (const std::string_view part : text::Split(word, '/')) {
    if (part.empty()) {
      return false;
    }
    if (part.size() > main.size()) {
      main = part;
    }
  }
  return main.size() >= 3 && main.size() <= 10 && IsLetter(main.back()) &&
         std::any_of(main.begin(), main.end(), IsDigit);
}

}  // namespace

std::string ManagerCall(std::string_view qslVia) {
  const std::string upper = text::AsciiUpper(qslVia);
  const auto inWord = [&upper](std::size_t i) {
    return IsLetter(upper[i]) || IsDigit(upper[i]) || upper[i] == '/';
  };
  std::size_t begin = 0;
  while (begin < upper.size()) {
    std::size_t end = begin;
    while (end < upper.size() && inWord(end)) {
      ++end;
    }
    if (end > begin && LooksLikeCall(std::string_view(upper).substr(begin, end - begin))) {
      return upper.substr(begin, end - begin);
    }
    begin = end + 1;
  }
  return {};
}

Destination DestinationOf(std::string_view call, std::string_view qslVia) {
  std::string station = text::AsciiUpper(text::TrimBlanks(call));
  std::string manager = ManagerCall(qslVia);
  if (!manager.empty() && manager != station) {
    return {std::move(manager), true};
  }
  return {std::move(station), false};
}

Destination DestinationOf(const adif::FieldTable& fields) {
  return DestinationOf(fields.StandardValue(adif::StandardField::Call),
                       fields.FieldValue(fields.StandardSlot(adif::StandardField::QslVia)));
}

}  // namespace tavrilon::sending
