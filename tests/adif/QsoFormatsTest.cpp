#include <gtest/gtest.h>

#include "adif/QsoFormats.h"

namespace tavrilon::adif {
namespace {

using Case = std::pair<std::string_view, std::string_view>;

// One trailing blank is ignored; the last date has 8 characters in 9 bytes.
// Only a day of the calendar is a date; the others print as they stand.
TEST(QsoFormats, Dates) {
  const struct {
    std::string_view in, out;
    bool date;
  } cases[] = {{"20061028", "28 OCT 2006", true},         {"20061028 ", "28 OCT 2006", true},
               {"20240229", "29 FEB 2024", true},         {"20230229", "29 FEB 2023", false},
               {"20061028  ", "Unknown", false},          {"2006102 ", "2  OCT 2006", true},
               {"2006-10-28", "Unknown", false},          {"", "Unknown", false},
               {"20061328", "28 XXX 2006", false},        {"2006AB28", "28 XXX 2006", false},
               {"2006\303\251128", "28 XXX 2006", false}, {"2006 128", "28 JAN 2006", true}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatAdifDate(c.in), c.out) << '"' << c.in << '"';
    EXPECT_EQ(IsAdifDate(c.in), c.date) << '"' << c.in << '"';
  }
}

TEST(QsoFormats, Times) {
  const Case cases[] = {
      {"0930", "09:30"}, {"123456", "12:34"}, {"12:34:56", "12:34"}, {"0930 ", "09:30"},
      {"", ""},          {"9", "9:"},         {"12:3", "12:3"}};
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(FormatAdifTime(in), out) << '"' << in << '"';
  }
}

// At most 4 decimals after the first comma, else point; with neither, 6 characters.
TEST(QsoFormats, Frequencies) {
  const Case cases[] = {{"14.025500", "14.0255"}, {"7,0305", "7,0305"}, {"14025000", "140250"},
                        {"7,030512,9", "7,0305"}, {"1.2.3", "1.2"},     {"14.025 ", "14.025 "},
                        {"14,1.23456", "14,1.23"}};
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(CutFrequency(in), out) << '"' << in << '"';
  }
}

}  // namespace
}  // namespace tavrilon::adif
