#pragma once

#include "print/Colour.h"
#include "print/PrintSurface.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::sheets {

// The edge of the sheet's label whose top left corner is at `corner`, as
// lines on a surface whose unit is inches; a rounded corner is drawn as a
// few short lines, which every device can draw.
void DrawLabelOutline(print::PrintSurface& surface, LabelCorner corner, const LabelSheet& sheet,
                      print::Colour colour);

}  // namespace tavrilon::sheets
