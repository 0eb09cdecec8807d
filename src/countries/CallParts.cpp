#include "countries/CallParts.h"

#include "text/Text.h"

namespace tavrilon::countries {

namespace {

bool NamesNoCountry(std::string_view suffix) {
  return suffix == "P" || suffix == "M" || suffix == "A" || suffix == "B" || suffix == "QRP" ||
         (suffix.size() == 1 && text::IsDigits(suffix));
}

}  // namespace

std::optional<std::vector<std::string_view>> CountryParts(std::string_view call) {
  std::vector<std::string_view> parts;
  const std::vector<std::string_view> pieces = text::Split(call, '/');
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::string_view piece = pieces[i];
    // Only as a suffix: in front, MM is Scotland and AM Spain.
    if (i > 0 && (piece == "MM" || piece == "AM")) {
      return std::nullopt;
    }
    if (!piece.empty() && (i == 0 || !NamesNoCountry(piece))) {
      parts.push_back(piece);
    }
  }
  return parts;
}

}  // namespace tavrilon::countries
