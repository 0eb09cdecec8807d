#pragma once

#include <cstdint>

namespace tavrilon::print {

// Colours are 32-bit values with red in the lowest byte: red + 256 * green +
// 65536 * blue, as the label designs store them.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;

// A colour's parts, each from 0 to 255.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

constexpr Colour PackColour(Rgb rgb) {
  return static_cast<Colour>(rgb.red + 256 * rgb.green + 65536 * rgb.blue);
}

constexpr Rgb UnpackColour(Colour colour) {
  return {static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8) & 0xFFU),
          static_cast<int>((colour >> 16) & 0xFFU)};
}

}  // namespace tavrilon::print
