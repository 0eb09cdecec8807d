#include <gtest/gtest.h>

#include "html/HtmlText.h"

namespace tavrilon::html {
namespace {

TEST(HtmlTextTest, WritesEachCharacterAsTheWindows1252PageHoldsIt) {
  struct Case {
    const char* utf8;
    const char* page;  // bytes of the windows-1252 page
    const char* why;
  } cases[] = {
      {"Tom & \"Jo\" <b>", "Tom &amp; &quot;Jo&quot; &lt;b&gt;", "markup characters as entities"},
      {"Caf\xC3\xA9 \xC2\xA0\xC3\xBF", "Caf\xE9 \xA0\xFF", "Latin-1 letters and NBSP: their byte"},
      {"\xE2\x82\xAC \xC5\x92\xE2\x84\xA2", "\x80 \x8C\x99",
       "euro, OE and trade mark of 0x80-0x9F"},
      {"\xC2\x81\xC2\x9D", "\x81\x9D", "unassigned bytes round-trip as the reader decodes them"},
      {"\xD0\x98\xCE\xA9\xE6\x9D\xB1", "&#1048;&#937;&#26481;", "Cyrillic, Greek, CJK: outside"},
      {"\xF0\x9F\x93\xBB", "&#128251;", "a character beyond the BMP is one reference"},
      {"\xC2\x80", "&#128;", "a C1 control the code page has no byte for"},
      {"a\xFF!", "a&#65533;!", "a byte that starts no character"},
      {"\xC3", "&#65533;", "a character cut short at the end"},
      {"\xE2\x82!", "&#65533;&#65533;!", "a continuation missing before ASCII"},
  };
  for (const Case& c : cases) {
    std::string page = "x";
    AppendHtmlText(c.utf8, page);
    EXPECT_EQ(page, std::string("x") + c.page) << c.why;
  }
}

}  // namespace
}  // namespace tavrilon::html
