#include "sheets/PrinterOffset.h"

#include <cmath>

namespace tavrilon::sheets {

namespace {

double OffsetInches(const print::PrintSurface& surface, print::DeviceCap pixelsPerInch,
                    print::DeviceCap offset) {
  const int ppi = surface.DeviceCapability(pixelsPerInch);
  if (ppi <= 0) {
    return 0;
  }
  const double twips =
      std::nearbyint(static_cast<double>(surface.DeviceCapability(offset)) / ppi * 1440);
  return std::nearbyint(twips * 100 / 1440) / 100;  // whole twips times 100: halves stay exact
}

}  // namespace

PrinterOffset PrinterOffsetOf(const print::PrintSurface& surface) {
  return {OffsetInches(surface, print::DeviceCap::PixelsPerInchX, print::DeviceCap::OffsetX),
          OffsetInches(surface, print::DeviceCap::PixelsPerInchY, print::DeviceCap::OffsetY)};
}

}  // namespace tavrilon::sheets
