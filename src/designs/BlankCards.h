#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sheets/LabelSheet.h"

namespace tavrilon::designs {

// The most blank cards one run prints.
inline constexpr long kMostBlankCards = sheets::kMostLabelPosition;

// The cards the editor's entry asks for: any number, its fraction dropped,
// and none below one. Nothing, with `fault` for the user, when the entry is
// no number or asks for more than kMostBlankCards.
std::optional<long> TypedBlankCards(std::string_view typed, std::string& fault);

// The N of `tavrilon-batch blank N`: a whole number from 1 to kMostBlankCards.
std::optional<long> BlankCardsArgument(std::string_view word);

}  // namespace tavrilon::designs
