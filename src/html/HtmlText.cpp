#include "html/HtmlText.h"

#include <array>
#include <cstddef>

namespace tavrilon::html {

namespace {

// The characters of windows-1252 bytes 0x80 to 0x9F; the five bytes the code
// page leaves unassigned stand for their C1 controls, as the reader decodes them.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
  char32_t code = kReplacement;
  std::size_t size = 1;
};

bool IsContinuation(std::string_view s, std::size_t i) {
  return i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
}

// The character that starts at `i` (not ASCII); a byte that starts no
// well-formed character stands for U+FFFD on its own.
Decoded DecodeAt(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t size = 0;
  char32_t code = 0;
  char32_t least = 0;  // below it the form is overlong
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2;
    code = lead & 0x1FU;
    least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3;
    code = lead & 0x0FU;
    least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4;
    code = lead & 0x07U;
    least = 0x10000;
  } else {
    return {};
  }
  for (std::size_t k = 1; k < size; ++k) {
    if (!IsContinuation(s, i + k)) {
      return {};
    }
    code = (code << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3FU);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return {};
  }
  return {code, size};
}

// The windows-1252 byte of a character above ASCII; 0 when it has none.
unsigned char Cp1252Byte(char32_t code) {
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

}  // namespace

void AppendHtmlText(std::string_view utf8, std::string& page) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char c = utf8[i];
    if (static_cast<unsigned char>(c) < 0x80) {
      switch (c) {
        case '&':
          page.append("&amp;");
          break;
        case '<':
          page.append("&lt;");
          break;
        case '>':
          page.append("&gt;");
          break;
        case '"':
          page.append("&quot;");
          break;
        default:
          page.push_back(c);
      }
      ++i;
      continue;
    }
    const Decoded decoded = DecodeAt(utf8, i);
    if (const unsigned char byte = Cp1252Byte(decoded.code); byte != 0) {
      page.push_back(static_cast<char>(byte));
    } else {
      page.append("&#")
          .append(std::to_string(static_cast<unsigned long>(decoded.code)))
          .push_back(';');
    }
    i += decoded.size;
  }
}

}  // namespace tavrilon::html
