#include <gtest/gtest.h>

#include "sheets/TemplateLength.h"

namespace tavrilon::sheets {
namespace {

TEST(TemplateLengthTest, EveryUnitAndTheFilesQuirks) {
  const struct {
    const char* text;
    double inches;
    const char* number;
    const char* unit;
  } cases[] = {
      {"70mm", 70 / 25.4, "70", "mm"},
      {"2.54cm", 1, "2.54", "cm"},
      {"3pc", 0.5, "3", "pc"},
      {"1.25in", 1.25, "1.25", "in"},
      {"36pt", 0.5, "36", "pt"},
      {"198.425", 198.425 / 72, "198.425", "pt"},  // bare: points
      {" \t4.5 mm \n", 4.5 / 25.4, "4.5", "mm"},   // white space around and between
      {"", 0, "", "pt"},                           // x0="" is the paper's edge
      {"3.93386e-16pt", 3.93386e-16 / 72, "3.93386e-16", "pt"},
      {"-1.5mm", -1.5 / 25.4, "-1.5", "mm"},
  };
  for (const auto& c : cases) {
    const auto length = ParseTemplateLength(c.text);
    ASSERT_TRUE(length) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(length->inches, c.inches) << c.text;
    EXPECT_EQ(length->number, c.number) << c.text;
    EXPECT_EQ(length->unit, c.unit) << c.text;
  }
  for (const char* bad :
       {"in", "2 furlongs", "1,5mm", "mm70", "1.5.2mm", "nan", "inf", "+3mm", "70MM", "7 0mm"}) {
    EXPECT_FALSE(ParseTemplateLength(bad)) << bad;
  }
}

TEST(TemplateLengthTest, CountsAreWholeAndPositive) {
  EXPECT_EQ(ParseTemplateCount(" 8 "), 8);
  for (const char* bad : {"", "0", "-2", "2.5", "3x", "x"}) {
    EXPECT_FALSE(ParseTemplateCount(bad)) << bad;
  }
}

}  // namespace
}  // namespace tavrilon::sheets
