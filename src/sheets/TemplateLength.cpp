#include "sheets/TemplateLength.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavrilon::sheets {

namespace {

struct Unit {
  std::string_view name;
  double inches;
};
constexpr std::array<Unit, 5> kUnits = {
    {{"pt", 1.0 / 72}, {"in", 1.0}, {"mm", 1.0 / 25.4}, {"cm", 1.0 / 2.54}, {"pc", 1.0 / 6}}};

// XML attribute values may carry any white space around the number.
std::string_view TrimSpace(std::string_view s) {
  constexpr std::string_view kSpace = " \t\r\n";
  const auto first = s.find_first_not_of(kSpace);
  if (first == std::string_view::npos) {
    return {};
  }
  return s.substr(first, s.find_last_not_of(kSpace) - first + 1);
}

}  // namespace

std::optional<TemplateLength> ParseTemplateLength(std::string_view text) {
  text = TrimSpace(text);
  if (text.empty()) {
    return TemplateLength{0, {}, kUnits[0].name};
  }
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || !std::isfinite(value)) {
    return std::nullopt;
  }
  const std::string_view number(text.data(), static_cast<std::size_t>(stop - text.data()));
  const std::string_view unit =
      TrimSpace(std::string_view(stop, static_cast<std::size_t>(end - stop)));
  if (unit.empty()) {
    return TemplateLength{value * kUnits[0].inches, number, kUnits[0].name};
  }
  for (const Unit& known : kUnits) {
    if (unit == known.name) {
      return TemplateLength{value * known.inches, number, known.name};
    }
  }
  return std::nullopt;
}

std::optional<int> ParseTemplateCount(std::string_view text) {
  text = TrimSpace(text);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < 1) {
    return std::nullopt;
  }
  return value;
}

}  // namespace tavrilon::sheets
