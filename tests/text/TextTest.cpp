#include <gtest/gtest.h>

#include "text/Text.h"

namespace tavrilon::text {
namespace {

TEST(Text, TrimsBlanksOnly) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");  // tabs are data
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimTrailingBlanks(" a "), " a");
  EXPECT_EQ(TrimLeadingBlanks(" a "), "a ");
}

TEST(Text, ParseWholeNumberTakesDigitsWithBlanksAround) {
  struct Case {
    std::string_view text;
    std::optional<std::int64_t> value;
  } cases[] = {
      {" 42 ", 42},
      {"", std::nullopt},
      {"-1", std::nullopt},
      {"4 2", std::nullopt},
      {"99999999999999999999", std::nullopt},  // does not fit: not a number of ours
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseWholeNumber(c.text), c.value) << c.text;
  }
}

TEST(Text, CountsAndCutsByCharacters) {
  const std::string_view odzak =
      "Od\xC5\xBE"
      "ak";  // Odžak: 5 characters, 6 bytes
  EXPECT_EQ(CharCount(odzak), 5U);
  EXPECT_EQ(FirstChars(odzak, 3), "Od\xC5\xBE");
  EXPECT_EQ(FirstChars(odzak, 99), odzak);
  EXPECT_EQ(CharRange(odzak, 3, 4),
            "\xC5\xBE"
            "a");
  EXPECT_EQ(CharRange(odzak, 5, 9), "k");
  EXPECT_EQ(CharRange("abc", 0, 2), "");
}

TEST(Text, TellsValidUtf8) {
  struct Case {
    std::string_view bytes;
    bool valid;
  } cases[] = {
      {"plain", true},
      {"\xE8\xB5\xB5", true},       // 赵
      {"D\xF6renberg", false},      // Latin-1
      {"\xC0\xAF", false},          // overlong
      {"\xED\xA0\x80", false},      // surrogate
      {"\xE8\xB5", false},          // cut short
      {"\xF4\x90\x80\x80", false},  // beyond Unicode
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
  }
}

TEST(Text, DecodesInvalidUtf8AsWindows1252) {
  std::string line = "D\xF6renberg \x80 \x9F \x81";
  DecodeLine(line);
  EXPECT_EQ(line, "D\xC3\xB6renberg \xE2\x82\xAC \xC5\xB8 \xC2\x81");
  std::string utf8 = "Gro\xC3\x9F";
  DecodeLine(utf8);
  EXPECT_EQ(utf8, "Gro\xC3\x9F");
}

TEST(Text, NumbersAreDigitsWithOnePoint) {
  struct Case {
    std::string_view text;
    std::optional<double> value;
  } cases[] = {{"2.8", 2.8},          {" .15 ", 0.15},        {"3.", 3.0},
               {"", std::nullopt},    {".", std::nullopt},    {"-1", std::nullopt},
               {"1e3", std::nullopt}, {"1.2.3", std::nullopt}};
  for (const auto& c : cases) {
    EXPECT_EQ(ParseNumber(c.text), c.value) << c.text;
  }
}

TEST(Text, SplitKeepsEmptyPieces) {
  using V = std::vector<std::string_view>;
  EXPECT_EQ(Split("a,,b", ','), (V{"a", "", "b"}));
  EXPECT_EQ(Split("", ','), (V{""}));
  EXPECT_EQ(Split(",", ','), (V{"", ""}));
}

}  // namespace
}  // namespace tavrilon::text
