#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tavrilon::countries {

// The parts of a call (in capitals) written with "/" that may name its
// country, in order. Suffixes after the first part that name none are left
// out: "/P" portable, "/M" mobile, "/A" another address, "/B" beacon, "/QRP",
// and a single digit, a call area of the call's own country (W1AW/4 is still
// the USA). Nothing for a maritime or aeronautical mobile ("/MM", "/AM"),
// which has no country.
std::optional<std::vector<std::string_view>> CountryParts(std::string_view call);

}  // namespace tavrilon::countries
