#pragma once

#include <optional>
#include <string_view>

#include "print/PrintSurface.h"

// The printer text layer: each routine takes positions in a unit it names
// itself, sets what it needs on the surface, draws, and puts back every
// setting it changed, so callers can mix its routines with their own drawing.
namespace tavrilon::print::LaserPRT {

// "MILLIMETERS" or "INCHES" in any letter case, or 6 or 5; nothing otherwise.
std::optional<Unit> ParseUnitSelector(std::string_view selector);

// Greater than 0: landscape; otherwise portrait.
void SetOrientation(PrintSurface& surface, int landscape);
// An empty face or a size of 0 or less leaves that part of the font as it is.
void SetFont(PrintSurface& surface, std::string_view face, double size);
// Anything but a unit selector leaves the unit as it is.
void SetUnits(PrintSurface& surface, std::string_view unit);
// The rectangle's outline, line setting 2, black.
void DrawBox(PrintSurface& surface, std::string_view unit, double top, double left, double bottom,
             double right);
// Horizontal when `height` is below 1, otherwise vertical (and `width` is not
// used). Line setting 1, black.
void DrawRule(PrintSurface& surface, std::string_view unit, double top, double left, double width,
              double height);
// `style` "BOLD"/"B" or "ITALIC"/"I" in any letter case; anything else is
// plain. A size of 0 or less keeps the size in force.
void PrintAt(PrintSurface& surface, std::string_view unit, double top, double left,
             std::string_view text, std::string_view style, double size, Colour colour);

}  // namespace tavrilon::print::LaserPRT
