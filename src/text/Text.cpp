#include "text/Text.h"

#include <array>
#include <charconv>
#include <cstring>

namespace tavrilon::text {

std::string_view TrimTrailingBlanks(std::string_view s) {
  std::size_t end = s.size();
  while (end > 0 && s[end - 1] == ' ') {
    --end;
  }
  return s.substr(0, end);
}

std::string_view TrimLeadingBlanks(std::string_view s) {
  std::size_t begin = 0;
  while (begin < s.size() && s[begin] == ' ') {
    ++begin;
  }
  return s.substr(begin);
}

std::string_view TrimBlanks(std::string_view s) {
  return TrimLeadingBlanks(TrimTrailingBlanks(s));
}

std::string Quoted(std::string_view s) {
  // Appended, not '"' + s + '"': GCC 12 warns wrongly of an overlap.
  std::string quoted(1, '"');
  return quoted.append(s).append(1, '"');
}

std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    c = AsciiUpper(c);
  }
  return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
      return false;
    }
  }
  return true;
}

bool EndsWithIgnoringCase(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() &&
         EqualsIgnoringCase(s.substr(s.size() - suffix.size()), suffix);
}

bool StartsWithIgnoringCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && EqualsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view s) {
  s = TrimBlanks(s);
  if (s.empty()) {
    return std::nullopt;
  }
  std::int64_t value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    if (__builtin_mul_overflow(value, 10, &value) ||
        __builtin_add_overflow(value, c - '0', &value)) {
      return std::nullopt;  // no count or date is that long
    }
  }
  return value;
}

std::optional<double> ParseNumber(std::string_view s) {
  s = TrimBlanks(s);
  bool point = false;
  bool digit = false;
  for (char c : s) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digit = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digit) {
    return std::nullopt;
  }
  double value = 0;
  const char* end = s.data() + s.size();
  const auto [stop, error] = std::from_chars(s.data(), end, value, std::chars_format::fixed);
  if (error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> ParseSignedNumber(std::string_view s) {
  s = TrimBlanks(s);
  if (!s.empty() && s.front() == '-') {
    const auto value = ParseNumber(s.substr(1));
    return value ? std::optional<double>(-*value) : std::nullopt;
  }
  return ParseNumber(s);
}

std::vector<std::string_view> SplitAtMost(std::string_view s, char separator, std::size_t most) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t at = s.find(separator); at != std::string_view::npos && pieces.size() + 1 < most;
       at = s.find(separator, start)) {
    pieces.push_back(s.substr(start, at - start));
    start = at + 1;
  }
  pieces.push_back(s.substr(start));
  return pieces;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  return SplitAtMost(s, separator, std::string_view::npos);
}

namespace {
constexpr bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
}  // namespace

std::size_t CharCount(std::string_view utf8) {
  // Every byte but a continuation byte (10xxxxxx) starts a character. Kept
  // this plain so that the compiler can vectorise it: it runs over every
  // line of a log.
  std::size_t count = 0;
  for (char c : utf8) {
    count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1U : 0U;
  }
  return count;
}

std::string_view FirstCharsOfUtf8(std::string_view utf8, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t seen = 0; i < utf8.size(); ++i) {
    if (!IsContinuation(utf8[i])) {
      if (seen == n) {
        break;
      }
      ++seen;
    }
  }
  return utf8.substr(0, i);
}

bool IsDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsAscii(std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t n = bytes.size();
  while (n >= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, 8);
    if ((word & 0x8080808080808080ULL) != 0) {
      return false;
    }
    p += 8;
    n -= 8;
  }
  for (; n > 0; --n, ++p) {
    if ((static_cast<unsigned char>(*p) & 0x80) != 0) {
      return false;
    }
  }
  return true;
}

std::size_t ValidUtf8Prefix(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Runs of plain ASCII, the bulk of every log, a word at a time.
    while (bytes.size() - i >= 8) {
      std::uint64_t word = 0;
      std::memcpy(&word, bytes.data() + i, 8);
      if ((word & 0x8080808080808080ULL) != 0) {
        break;
      }
      i += 8;
    }
    if (i == bytes.size()) {
      break;
    }
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const DecodedChar decoded = DecodeUtf8At(bytes, i);
    if (decoded.size == 1) {
      break;  // no well-formed character starts here
    }
    i += decoded.size;
  }
  return i;
}

bool IsValidUtf8(std::string_view bytes) {
  return ValidUtf8Prefix(bytes) == bytes.size();
}

namespace {
// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their C1 code.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendCodePoint(char32_t code, std::string& out) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}
}  // namespace

void AppendWindows1252AsUtf8(std::string_view bytes, std::string& out) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else if (b < 0xA0) {
      AppendCodePoint(kCp1252High[b - 0x80U], out);
    } else {
      AppendCodePoint(b, out);
    }
  }
}

DecodedChar DecodeUtf8At(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t size = 0;
  char32_t code = 0;
  char32_t least = 0;  // below it the form is overlong
  if (lead < 0x80) {
    return {lead, 1};
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2, code = lead & 0x1FU, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3, code = lead & 0x0FU, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4, code = lead & 0x07U, least = 0x10000;
  } else {
    return {};
  }
  for (std::size_t k = 1; k < size; ++k) {
    if (i + k >= s.size() || !IsContinuation(s[i + k])) {
      return {};
    }
    code = (code << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3FU);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return {};
  }
  return {code, size};
}

unsigned char Windows1252Byte(char32_t code) {
  if (code >= 0xA0 && code <= 0xFF) {
    return static_cast<unsigned char>(code);
  }
  for (std::size_t b = 0; b < kCp1252High.size(); ++b) {
    if (kCp1252High[b] == code) {
      return static_cast<unsigned char>(0x80 + b);
    }
  }
  return 0;
}

void DecodeLine(std::string& line) {
  if (IsValidUtf8(line)) {
    return;
  }
  std::string converted;
  converted.reserve(line.size() * 2);
  AppendWindows1252AsUtf8(line, converted);
  line.swap(converted);
}

}  // namespace tavrilon::text
