#include "labels/DefaultLabel.h"

#include <cmath>
#include <string>

#include "labels/LabelSheet.h"
#include "text/Text.h"

namespace tavrilon::labels {

namespace {

using adif::StandardField;
using print::PrintSurface;

double OffsetInches(const PrintSurface& surface, print::DeviceCap pixelsPerInch,
                    print::DeviceCap offset) {
  const int ppi = surface.DeviceCapability(pixelsPerInch);
  if (ppi <= 0) {
    return 0;
  }
  const double twips =
      std::nearbyint(static_cast<double>(surface.DeviceCapability(offset)) / ppi * 1440);
  return std::nearbyint(twips * 100 / 1440) / 100;  // whole twips times 100: halves stay exact
}

void MoveDown(PrintSurface& surface, double inches) {
  surface.SetCurrentY(surface.CurrentY() + inches);
}

std::string_view FirstName(std::string_view name) {
  return name.substr(0, name.find(' '));
}

}  // namespace

PrinterOffset PrinterOffsetOf(const PrintSurface& surface) {
  return {OffsetInches(surface, print::DeviceCap::PixelsPerInchX, print::DeviceCap::OffsetX),
          OffsetInches(surface, print::DeviceCap::PixelsPerInchY, print::DeviceCap::OffsetY)};
}

void DrawDefaultLabel(PrintSurface& surface, const adif::FieldTable& fields, double labelLeft,
                      double labelTop) {
  const auto value = [&fields](StandardField field) { return fields.StandardValue(field); };
  const PrinterOffset offset = PrinterOffsetOf(surface);
  const double x0 = labelLeft - offset.x;
  const double y0 = labelTop - offset.y;

  surface.SetUnit(print::Unit::Inches);
  surface.SetCurrentX(x0);
  surface.SetCurrentY(y0);

  surface.SetFontName(kDefaultLabelFace);
  surface.SetFontSize(15);
  surface.SetBold(true);
  surface.SetForeColour(print::kBlue);
  surface.PrintText(value(StandardField::Call), false);
  surface.SetForeColour(print::kBlack);
  surface.SetBold(false);

  if (const std::string_view via = value(StandardField::QslVia); !via.empty()) {
    MoveDown(surface, 0.05);
    surface.SetFontSize(10);
    surface.PrintText("  via: ", false);
    surface.SetForeColour(print::kRed);
    surface.PrintText(via, true);
    surface.SetForeColour(print::kBlack);
    surface.SetFontSize(15);
  } else {
    surface.PrintText("", true);
  }

  MoveDown(surface, LineGap(15));
  surface.SetFontSize(9);
  surface.SetCurrentX(x0);
  std::string confirms(value(StandardField::Operator));
  confirms += " confirms the 2x";
  confirms += value(StandardField::Mode);
  confirms += " QSO";
  surface.PrintText(confirms, true);

  MoveDown(surface, LineGap(9));
  surface.SetCurrentX(x0);
  surface.SetFontName("Courier New");
  surface.SetBold(true);
  surface.SetFontSize(8);
  surface.PrintText("    Date     Time   Band   RST", true);

  MoveDown(surface, LineGap(8));
  surface.SetCurrentX(x0);
  surface.PrintText(value(StandardField::QsoDate), false);
  surface.SetCurrentX(x0 + 0.85);
  surface.PrintText(text::FirstChars(value(StandardField::TimeOn), 5), false);
  surface.SetCurrentX(x0 + 1.35);
  surface.PrintText(text::TrimBlanks(value(StandardField::Band)), false);
  surface.SetCurrentX(x0 + 1.8);
  surface.PrintText(value(StandardField::RstSent), true);

  surface.SetFontName(kDefaultLabelFace);
  surface.SetBold(false);
  surface.SetFontSize(9);
  MoveDown(surface, LineGap(9));
  surface.SetCurrentX(x0);
  std::string thanks = "Thanks ";
  thanks += FirstName(value(StandardField::Name));
  thanks += text::TrimBlanks(value(StandardField::QslRcvd)) == "Y" ? "  Rec'd your QSL"
                                                                   : "  Please Send QSL";
  surface.PrintText(thanks, true);
}

}  // namespace tavrilon::labels
