#include <gtest/gtest.h>

#include "adif/QsoFormats.h"

namespace tavrilon::adif {
namespace {

struct Case {
  std::string_view in;
  std::string_view out;
};

TEST(QsoFormats, Dates) {
  const Case cases[] = {
      {"20061028", "28 OCT 2006"},
      {"20061028 ", "28 OCT 2006"},  // one trailing blank ignored
      {"2006102", "Unknown"},
      {"", "Unknown"},
      {"20061328", "28 XXX 2006"},
      {"20060028", "28 XXX 2006"},
      {"2006AB28", "28 XXX 2006"},
      {"2006-10-28", "Unknown"},
      {"20061028  ", "Unknown"},
      {"2006102 ", "2  OCT 2006"},  // 8 with the blank kept
      {"2006\xC3\xA9"
       "128",
       "28 XXX 2006"},  // 8 characters, 9 bytes
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatAdifDate(c.in), c.out) << '"' << c.in << '"';
  }
}

TEST(QsoFormats, Times) {
  const Case cases[] = {
      {"0930", "09:30"}, {"1234", "12:34"}, {"123456", "12:34"}, {"12:34:56", "12:34"},
      {"", ""},          {"9", "9:"},       {"12:3", "12:3"},    {"0930 ", "09:30"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatAdifTime(c.in), c.out) << '"' << c.in << '"';
  }
}

TEST(QsoFormats, Frequencies) {
  const Case cases[] = {
      {"14.0255", "14.0255"}, {"14.025500", "14.0255"},
      {"7,0305", "7,0305"},   {"14025000", "140250"},
      {"14", "14"},           {"7,030512,9", "7,0305"},
      {"1.2.3", "1.2"},       {"14.025 ", "14.025 "},
      {".5", ".5"},           {"14,1.23456", "14,1.23"},  // a comma wins over a point
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CutFrequency(c.in), c.out) << '"' << c.in << '"';
  }
}

TEST(QsoFormats, DateNumbers) {
  EXPECT_EQ(DateNumber("20061028"), 20061028);
  EXPECT_EQ(DateNumber(" 20061028 "), 20061028);
  EXPECT_EQ(DateNumber("2006-10-28"), 0);
  EXPECT_EQ(DateNumber(""), 0);
}

}  // namespace
}  // namespace tavrilon::adif
