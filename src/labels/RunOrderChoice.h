#pragma once

#include "sending/RunOrder.h"

namespace tavrilon::labels {

// The order a run prints in, for a design of `multiLines` contact lines to a
// label (1 for a design that is not a custom one): the chosen order, except
// that a design sharing a label among a station's contacts needs them side by
// side, so file order becomes order by call.
sending::RunOrder EffectiveRunOrder(sending::RunOrder chosen, double multiLines);

}  // namespace tavrilon::labels
