#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "countries/CountryTable.h"

namespace tavrilon::sending {

// The key that puts a contact in bureau order when keys are compared byte by
// byte: the country of its destination by primary prefix (a destination of
// no known country last), the destination's call, the station's call (so a
// manager's stations stay apart and a design can share labels among one
// station's contacts), then its date (a YYYYMMDD number) and time. Written
// over `key`, which keeps its memory from one contact to the next.
void BureauKey(std::string& key, const countries::Country* country, std::string_view destination,
               std::string_view call, std::int64_t date, std::string_view time);

}  // namespace tavrilon::sending
