#pragma once

#include <QColor>

#include "print/Colour.h"

namespace tavrilon::qt {

// A design's colour (255 is red) as Qt paints it, and back.
inline QColor ToQColor(print::Colour colour) {
  const print::Rgb rgb = print::UnpackColour(colour);
  return {rgb.red, rgb.green, rgb.blue};
}

inline print::Colour FromQColor(const QColor& colour) {
  return print::PackColour({colour.red(), colour.green(), colour.blue()});
}

}  // namespace tavrilon::qt
