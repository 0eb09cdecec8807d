#include <gtest/gtest.h>

#include "html/HtmlText.h"

namespace tavrilon::html {
namespace {

struct Case {
  const char* utf8;
  const char* page;  // bytes of the windows-1252 page
  const char* why;
};

const Case kCases[] = {
    {"W1AW/P 599", "W1AW/P 599", "ASCII as it is"},
    {"", "", "nothing"},
    {"Tom & Jerry", "Tom &amp; Jerry", "an ampersand would start an entity"},
    {"<b>", "&lt;b&gt;", "angle brackets would make markup"},
    {"\"QRP\"", "&quot;QRP&quot;", "a quote would end an attribute"},
    {"&nbsp", "&amp;nbsp", "a value that looks like an entity stays text"},
    {"Caf\xC3\xA9", "Caf\xE9", "e acute is in the code page: its byte"},
    {"\xC3\x91"
     "and\xC3\xBA \xC2\xA0\xC3\xBF",
     "\xD1"
     "and\xFA \xA0\xFF",
     "Latin-1 letters and NBSP"},
    {"\xE2\x82\xAC"
     "5",
     "\x80"
     "5",
     "the euro sign is byte 0x80"},
    {"\xC5\x92\xE2\x84\xA2\xC5\xB8", "\x8C\x99\x9F", "OE, trade mark and Y diaeresis of 0x80-0x9F"},
    {"\xC2\x81\xC2\x9D", "\x81\x9D", "unassigned bytes round-trip as the reader decodes them"},
    {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "&#1048;&#1074;&#1072;&#1085;", "Cyrillic is outside"},
    {"\xE6\x9D\xB1\xE4\xBA\xAC", "&#26481;&#20140;", "CJK is outside"},
    {"\xCE\xA9", "&#937;", "Greek omega is outside"},
    {"\xF0\x9F\x93\xBB", "&#128251;", "a character beyond the BMP is one reference"},
    {"\xC2\x80", "&#128;", "a C1 control the code page has no byte for"},
    {"a\xFF"
     "b",
     "a&#65533;b", "a byte that starts no character"},
    {"\xC3", "&#65533;", "a character cut short at the end"},
    {"\xC0\xAF", "&#65533;&#65533;", "an overlong form is no character"},
    {"\xED\xA0\x80", "&#65533;&#65533;&#65533;", "a surrogate is no character"},
    {"\xE2\x82"
     "A",
     "&#65533;&#65533;A", "a continuation missing before ASCII"},
};

TEST(HtmlTextTest, WritesEachCharacterAsTheWindows1252PageHoldsIt) {
  for (const Case& c : kCases) {
    std::string page = "x";
    AppendHtmlText(c.utf8, page);
    EXPECT_EQ(page, std::string("x") + c.page) << c.why;
  }
}

}  // namespace
}  // namespace tavrilon::html
