#pragma once

#include <string_view>

#include "print/PrintSurface.h"

// The printer text layer: each routine takes positions in a unit it names
// itself, sets what it needs on the surface, draws, and puts back every
// setting it changed, so callers can mix its routines with their own drawing.
namespace tavrilon::print::LaserPRT {

enum class TextStyle { Plain, Bold, Italic };

void SetOrientation(PrintSurface& surface, Orientation orientation);
// An empty face or a size of 0 or less leaves that part of the font as it is.
void SetFont(PrintSurface& surface, std::string_view face, double size);
// The rectangle's outline, line setting 2, black.
void DrawBox(PrintSurface& surface, Unit unit, double top, double left, double bottom,
             double right);
// Horizontal when `height` is below 1, otherwise vertical (and `width` is not
// used). Line setting 1, black.
void DrawRule(PrintSurface& surface, Unit unit, double top, double left, double width,
              double height);
// A size of 0 or less keeps the size in force.
void PrintAt(PrintSurface& surface, Unit unit, double top, double left, std::string_view text,
             TextStyle style, double size, Colour colour);

}  // namespace tavrilon::print::LaserPRT
