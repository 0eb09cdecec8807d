#pragma once

#include "adif/FieldTable.h"
#include "print/PrintSurface.h"

namespace tavrilon::designs {

// The face of the call sign block and the thank-you line: the one the run
// sets before the first label.
inline constexpr std::string_view kDefaultLabelFace = "Times New Roman";

// Draws the Default design's label for the contact in `fields` with its top
// left corner at (`labelLeft`, `labelTop`) on the paper: the call in blue,
// the QSL manager in red, the confirming sentence, the table of date, time,
// band and report, and the thank-you line.
void DrawDefaultLabel(print::PrintSurface& surface, const adif::FieldTable& fields,
                      double labelLeft, double labelTop);

}  // namespace tavrilon::designs
