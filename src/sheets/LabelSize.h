#pragma once

#include "sheets/LabelSheet.h"

namespace tavrilon::sheets {

// The label's own size and the radius of its corners, in inches: a sheet
// that gives no size has labels as large as the pitch, and no corner is
// rounded past half the label's shorter side.
double LabelWidthOf(const LabelSheet& sheet);
double LabelHeightOf(const LabelSheet& sheet);
double CornerRadiusOf(const LabelSheet& sheet);

}  // namespace tavrilon::sheets
