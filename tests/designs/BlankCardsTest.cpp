#include <gtest/gtest.h>

#include "designs/BlankCards.h"

namespace tavrilon::designs {
namespace {

// The editor takes any number and drops its fraction; the command line
// takes a whole count. Both stop at the same limit.
TEST(BlankCards, TheEditorAndTheCommandLineKeepOneLimit) {
  const struct {
    const char* entry;
    std::optional<long> typed;
    std::optional<long> argument;
    const char* fault;  // the editor's, when it refuses the entry
  } cases[] = {
      {"1", 1, 1, ""},
      {" 12 ", 12, 12, ""},                  // blanks around a number
      {"2.7", 2, std::nullopt, ""},          // the fraction dropped
      {"0.9", 0, std::nullopt, ""},          // less than a card prints none
      {"-3", 0, std::nullopt, ""},           // as does a negative count
      {"32767.5", 32767, std::nullopt, ""},  // the limit itself
      {"32768", std::nullopt, std::nullopt,  // one past it
       "Your entry 32768 is more blank QSL cards than Tavrilon prints at once (32767)."},
      {"abc", std::nullopt, std::nullopt, "Your entry abc is not a numeric value."},
      {"", std::nullopt, std::nullopt, "Your entry  is not a numeric value."},  // cancelled
  };
  for (const auto& c : cases) {
    std::string fault;
    EXPECT_EQ(TypedBlankCards(c.entry, fault), c.typed) << c.entry;
    EXPECT_EQ(fault, c.fault) << c.entry;
    EXPECT_EQ(BlankCardsArgument(c.entry), c.argument) << c.entry;
  }
  EXPECT_EQ(BlankCardsArgument("32767"), kMostBlankCards);
  EXPECT_EQ(BlankCardsArgument("0"), std::nullopt);
}

}  // namespace
}  // namespace tavrilon::designs
