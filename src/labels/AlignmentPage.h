#pragma once

#include <string_view>

#include "print/PrintSurface.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::labels {

// A page to measure where a printer puts a sheet's labels: at every label's
// top left corner two millimetre rulers cross, numbered from that corner
// (right and down positive), so the number where the label's real edge
// meets each ruler is the shift to store; a faint outline shows where the
// whole label is meant to be. Placed as labels are, less the printer's
// physical offset, and without any stored correction; a ruler stops at the
// edge of the printable area.
void DrawAlignmentPage(print::PrintSurface& surface, const sheets::LabelSheet& sheet,
                       std::string_view printer);

}  // namespace tavrilon::labels
