#include "html/HtmlText.h"

#include <string>

#include "text/Text.h"

namespace tavrilon::html {

namespace {

constexpr bool IsPlain(char c) {
  return static_cast<unsigned char>(c) < 0x80 && c != '&' && c != '<' && c != '>' && c != '"';
}

}  // namespace

void AppendHtmlText(std::string_view utf8, std::string& page) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    // Most text needs nothing: copy it a run at a time.
    std::size_t run = i;
    while (run < utf8.size() && IsPlain(utf8[run])) {
      ++run;
    }
    page.append(utf8.substr(i, run - i));
    i = run;
    if (i == utf8.size()) {
      break;
    }
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
    const text::DecodedChar decoded = text::DecodeUtf8At(utf8, i);
    if (const unsigned char byte = text::Windows1252Byte(decoded.code); byte != 0) {
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
