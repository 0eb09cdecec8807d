#include "labels/AlignmentPage.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "designs/DefaultLabel.h"
#include "sheets/PrinterOffset.h"

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

// The first whole millimetre from the corner at `corner` that the printer
// reaches; the surface's origin is the corner of its printable area. A
// ruler reaches 6 mm from a label's corner, so only the left and top edges
// of that area can cut it.
int FirstReachedMm(double corner) {
  const double first = std::ceil(-corner / kMm - 1e-6);
  return static_cast<int>(std::clamp(first, double{-kRulerReach}, double{kRulerReach}));
}

// The two rulers at the label corner (x, y), their ticks reaching into the
// label: each measures along itself only, so where the corner is beyond the
// printer's reach the ruler runs along the edge of what it reaches instead.
void DrawCornerRulers(print::PrintSurface& surface, double x, double y) {
  const double reach = kRulerReach * kMm;
  const double acrossY = std::max(y, 0.0);
  const double downX = std::max(x, 0.0);
  const int firstAcross = FirstReachedMm(x);
  const int firstDown = FirstReachedMm(y);
  surface.DrawLine(x + firstAcross * kMm, acrossY, x + reach, acrossY, print::kBlack);
  surface.DrawLine(downX, y + firstDown * kMm, downX, y + reach, print::kBlack);
  const double gap = 0.3 * kMm;
  const double longest = TickLength(5);  // of the ticks beside a number
  for (int mm = -kRulerReach; mm <= kRulerReach; ++mm) {
    const double at = mm * kMm;
    const double tick = TickLength(mm);
    if (mm >= firstAcross) {
      surface.DrawLine(x + at, acrossY, x + at, acrossY + tick, print::kBlack);
    }
    if (mm >= firstDown) {
      surface.DrawLine(downX, y + at, downX + tick, y + at, print::kBlack);
    }
    if (mm == 0 || mm % 5 != 0) {
      continue;
    }
    // Numbers on the side away from the ticks, so neither hides the other,
    // unless that side is beyond the printer's reach.
    const std::string number = std::to_string(mm);
    const double width = surface.TextWidth(number);
    const double height = surface.TextHeight();
    if (const double left = x + at - width / 2; left >= 0) {
      const double above = acrossY - height - gap;
      surface.SetCurrentX(left);
      surface.SetCurrentY(above >= 0 ? above : acrossY + longest + gap);
      surface.PrintTextHere(number);
    }
    if (const double top = y + at - height / 2; top >= 0) {
      const double before = downX - width - gap;
      surface.SetCurrentX(before >= 0 ? before : downX + longest + gap);
      surface.SetCurrentY(top);
      surface.PrintTextHere(number);
    }
  }
}

}  // namespace

void DrawAlignmentPage(print::PrintSurface& surface, const sheets::LabelSheet& sheet,
                       std::string_view printer) {
  surface.SetUnit(print::Unit::Inches);
  surface.SetFontName("Arial");
  surface.SetBold(false);
  surface.SetFontSize(kNumberPoints);
  const sheets::PrinterOffset offset = sheets::PrinterOffsetOf(surface);
  for (int row = 0; row < sheet.down; ++row) {
    for (int column = 0; column < sheet.across; ++column) {
      DrawCornerRulers(surface, sheet.leftMargin + column * sheet.horizontalPitch - offset.x,
                       sheet.topMargin + row * sheet.verticalPitch - offset.y);
    }
  }
  // What the page is, inside the first label, clear of its rulers and of
  // numbers moved into the label.
  surface.SetFontSize(6);
  const double left = sheet.leftMargin - offset.x + (kRulerReach + 1) * kMm;
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
