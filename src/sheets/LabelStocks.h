#pragma once

#include <array>
#include <string_view>

namespace tavrilon::sheets {

// The label stocks the user chooses from, in list order; the stored
// "LabelType" is an index into this list.
inline constexpr std::array<std::string_view, 33> kLabelStocks = {
    "5160",  "5161",  "5162",  "5163",     "5164",     "5167",    "5260",  "5261",  "5810",
    "5960",  "5970",  "5971",  "5972",     "5979",     "5980",    "6460",  "8160",  "8161",
    "8162",  "8250",  "8386",  "8460",     "8462",     "15160",   "18662", "L7160", "L7161",
    "L7162", "L7163", "L7164", "Custom 1", "Custom 2", "Custom 3"};

}  // namespace tavrilon::sheets
