#include "countries/CallParts.h"

#include "text/Text.h"

namespace tavrilon::countries {

namespace {

bool NamesNoCountry(std::string_view suffix) {
  return suffix == "P" || suffix == "M" || suffix == "A" || suffix == "B" || suffix == "R" ||
         suffix == "LH" || suffix == "QRP" || (suffix.size() == 1 && text::IsDigits(suffix));
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

std::optional<std::string> MovedToArea(std::string_view call) {
  const std::size_t stroke = call.find('/');
  if (stroke == std::string_view::npos || stroke + 2 != call.size() ||
      !text::IsDigits(call.substr(stroke + 1))) {
    return std::nullopt;
  }
  // The area is the call's last digit: its suffix is letters only.
  std::string moved(call.substr(0, stroke));
  const std::size_t area = moved.find_last_of("0123456789");
  if (area == std::string::npos) {
    return std::nullopt;
  }
  moved[area] = call.back();
  return moved;
}

}  // namespace tavrilon::countries
