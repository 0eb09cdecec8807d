#pragma once

#include "print/PrintSurface.h"

namespace tavrilon::sheets {

// The printer's physical offset of its printable area, in inches: what every
// label printed on paper is moved back by, so that it lands where the sheet
// has it.
struct PrinterOffset {
  double x = 0;
  double y = 0;
};
// From the device's resolution and offset in pixels, through whole twips,
// rounded to hundredths of an inch (halves to the even neighbour): finer
// than any printer's placing, and the same for every design.
PrinterOffset PrinterOffsetOf(const print::PrintSurface& surface);

}  // namespace tavrilon::sheets
