#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Plain-text helpers shared by every subsystem. "Blank" is the space character
// only: tabs and other white space are data.
namespace tavrilon::text {

std::string_view TrimBlanks(std::string_view s);
std::string_view TrimTrailingBlanks(std::string_view s);
std::string_view TrimLeadingBlanks(std::string_view s);

constexpr char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
std::string AsciiUpper(std::string_view s);
// `s` in double quotes, as messages name what they quote.
std::string Quoted(std::string_view s);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool EndsWithIgnoringCase(std::string_view s, std::string_view suffix);
bool StartsWithIgnoringCase(std::string_view s, std::string_view prefix);

// A whole number of decimal digits, blanks around it allowed; nothing else
// (no sign, no point) is one.
std::optional<std::int64_t> ParseWholeNumber(std::string_view s);

// A number of digits with at most one decimal point (".15", "2.8", "3."),
// blanks around it allowed; no sign, no exponent.
std::optional<double> ParseNumber(std::string_view s);
// ParseNumber with a minus sign allowed in front, as a user may type it.
std::optional<double> ParseSignedNumber(std::string_view s);

// Split at every `separator`; empty pieces are kept.
std::vector<std::string_view> Split(std::string_view s, char separator);
// Split into at most `most` pieces (at least 1): the last keeps the rest, its
// separators included.
std::vector<std::string_view> SplitAtMost(std::string_view s, char separator, std::size_t most);

// Text is held as UTF-8; these count and cut by characters, never bytes, so
// that no cut splits a character.
std::size_t CharCount(std::string_view utf8);
std::string_view FirstCharsOfUtf8(std::string_view utf8, std::size_t n);
inline std::string_view FirstChars(std::string_view utf8, std::size_t n) {
  if (n >= utf8.size()) {
    return utf8;  // n characters take at least n bytes
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (static_cast<unsigned char>(utf8[i]) >= 0x80) {
      return FirstCharsOfUtf8(utf8, n);
    }
  }
  return utf8.substr(0, n);
}
// Characters `first` to `last` (1-based, inclusive); what exists of them.
inline std::string_view CharRange(std::string_view utf8, std::size_t first, std::size_t last) {
  if (first < 1 || last < first) {
    return {};
  }
  const std::string_view rest = utf8.substr(FirstChars(utf8, first - 1).size());
  return FirstChars(rest, last - first + 1);
}

bool IsAscii(std::string_view bytes);
// At least one character, and every one a digit 0 to 9.
bool IsDigits(std::string_view s);
bool IsValidUtf8(std::string_view bytes);
// How many bytes from the start are valid UTF-8, ending on a whole character.
std::size_t ValidUtf8Prefix(std::string_view bytes);
// Appends `bytes` taken as Windows-1252, converted to UTF-8.
void AppendWindows1252AsUtf8(std::string_view bytes, std::string& out);
// The character that starts at byte `i` of UTF-8 text; a byte that starts no
// well-formed character stands for U+FFFD on its own.
struct DecodedChar {
  char32_t code = 0xFFFD;
  std::size_t size = 1;
};
DecodedChar DecodeUtf8At(std::string_view utf8, std::size_t i);
// The Windows-1252 byte of a character above ASCII; 0 when it has none.
unsigned char Windows1252Byte(char32_t code);

// A line of a file: UTF-8 when it is valid UTF-8, otherwise Windows-1252.
// Converts `line` in place to UTF-8.
void DecodeLine(std::string& line);

}  // namespace tavrilon::text
