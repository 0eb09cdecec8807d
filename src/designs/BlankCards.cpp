#include "designs/BlankCards.h"

#include <cmath>

#include "text/Text.h"

namespace tavrilon::designs {

std::optional<long> TypedBlankCards(std::string_view typed, std::string& fault) {
  const auto count = text::ParseSignedNumber(typed);
  if (!count) {
    fault = "Your entry " + std::string(typed) + " is not a numeric value.";
    return std::nullopt;
  }
  const double cards = std::floor(*count);
  if (cards > kMostBlankCards) {
    fault = "Your entry " + std::string(typed) +
            " is more blank QSL cards than Tavrilon prints at once (" +
            std::to_string(kMostBlankCards) + ").";
    return std::nullopt;
  }
  return cards < 1 ? 0 : static_cast<long>(cards);
}

std::optional<long> BlankCardsArgument(std::string_view word) {
  const auto cards = text::ParseWholeNumber(word);
  if (!cards || *cards < 1 || *cards > kMostBlankCards) {
    return std::nullopt;
  }
  return static_cast<long>(*cards);
}

}  // namespace tavrilon::designs
