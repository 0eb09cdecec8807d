#pragma once

#include <string_view>

#include "adif/FieldTable.h"

namespace tavrilon::adif {

// The mode as a card names it: the SUBMODE when the contact has one (ADIF 3
// logs FT4 as MODE MFSK with SUBMODE FT4), else the MODE.
std::string_view ModeAsLogged(const FieldTable& fields);

}  // namespace tavrilon::adif
