#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::countries {

// The parts of a call (in capitals) written with "/" that may name its
// country, in order. Suffixes after the first part that name none are left
// out: "/P" portable, "/M" mobile, "/A" another address, "/B" beacon, "/R"
// rover, "/LH" lighthouse, "/QRP", and a single digit, a call area of the
// call's own country. Nothing for a maritime or aeronautical mobile ("/MM",
// "/AM"), which has no country.
std::optional<std::vector<std::string_view>> CountryParts(std::string_view call);

// A call with a call area after it ("UA1ABC/9") as it is in that area
// ("UA9ABC"): in a few countries the area is another entity (Asiatic
// Russia). Nothing for any other call.
std::optional<std::string> MovedToArea(std::string_view call);

}  // namespace tavrilon::countries
