#include "labels/AlignmentPage.h"

#include <cstdlib>
#include <string>

#include "labels/DefaultLabel.h"

namespace tavrilon::labels {

namespace {

constexpr double kMm = 1 / 25.4;  // inches
constexpr int kRulerReach = 6;    // millimetres each way from the corner
constexpr double kNumberPoints = 6;

double TickLength(int mm) {
  if (mm == 0) {
    return 3 * kMm;
  }
  return mm % 5 == 0 ? 2 * kMm : 1 * kMm;
}

// The two rulers crossing at (x, y), their ticks reaching into the label.
void DrawCornerRulers(print::PrintSurface& surface, double x, double y) {
  const double reach = kRulerReach * kMm;
  surface.DrawLine(x - reach, y, x + reach, y, print::kBlack);
  surface.DrawLine(x, y - reach, x, y + reach, print::kBlack);
  for (int mm = -kRulerReach; mm <= kRulerReach; ++mm) {
    const double at = mm * kMm;
    const double tick = TickLength(mm);
    surface.DrawLine(x + at, y, x + at, y + tick, print::kBlack);
    surface.DrawLine(x, y + at, x + tick, y + at, print::kBlack);
    if (mm != 0 && mm % 5 == 0) {
      // Numbers on the side away from the ticks, so neither hides the other.
      const std::string number = std::to_string(mm);
      surface.SetCurrentX(x + at - surface.TextWidth(number) / 2);
      surface.SetCurrentY(y - surface.TextHeight() - 0.3 * kMm);
      surface.PrintTextHere(number);
      surface.SetCurrentX(x - surface.TextWidth(number) - 0.5 * kMm);
      surface.SetCurrentY(y + at - surface.TextHeight() / 2);
      surface.PrintTextHere(number);
    }
  }
}

}  // namespace

void DrawAlignmentPage(print::PrintSurface& surface, const LabelSheet& sheet,
                       std::string_view printer) {
  surface.SetUnit(print::Unit::Inches);
  surface.SetFontName("Arial");
  surface.SetBold(false);
  surface.SetFontSize(kNumberPoints);
  const PrinterOffset offset = PrinterOffsetOf(surface);
  for (int row = 0; row < sheet.down; ++row) {
    for (int column = 0; column < sheet.across; ++column) {
      DrawCornerRulers(surface, sheet.leftMargin + column * sheet.horizontalPitch - offset.x,
                       sheet.topMargin + row * sheet.verticalPitch - offset.y);
    }
  }
  // What the page is, inside the first label, clear of its rulers.
  surface.SetFontSize(6);
  const double left = sheet.leftMargin - offset.x + 4 * kMm;
  surface.SetCurrentY(sheet.topMargin - offset.y + 4 * kMm);
  const std::string lines[] = {"Alignment page: " + sheet.name + " on " + std::string(printer),
                               "Read the mm where the label's edges",
                               "meet the rulers: across, then down."};
  for (const std::string& line : lines) {
    surface.SetCurrentX(left);
    surface.PrintText(line, true);
  }
}

}  // namespace tavrilon::labels
