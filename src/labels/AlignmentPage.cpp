#include "labels/AlignmentPage.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "sheets/LabelOutline.h"
#include "sheets/LabelPlacement.h"
#include "sheets/LabelSize.h"
#include "sheets/PrinterOffset.h"

namespace tavrilon::labels {

namespace {

constexpr double kMm = 1 / 25.4;  // inches
constexpr int kRulerReach = 6;    // millimetres each way from the corner
constexpr double kNumberPoints = 6;
constexpr double kTitlePoints = 6;
constexpr double kLeastTitlePoints = 3;
// Where the label is meant to be, faint beside the rulers.
constexpr print::Colour kOutline = print::PackColour({160, 160, 160});

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

// What the page is, inside the label at `corner`, clear of its rulers and of
// numbers moved into the label: smaller on a small label, and left out on
// one too small to read it on.
void DrawTitle(print::PrintSurface& surface, sheets::LabelCorner corner,
               const sheets::LabelSheet& sheet, std::string_view printer) {
  const std::string lines[] = {"Alignment page: " + sheet.name + " on " + std::string(printer),
                               "Read the mm where the label's edges",
                               "meet the rulers: across, then down."};
  const double left = corner.left + (kRulerReach + 1) * kMm;
  const double top = corner.top + 4 * kMm;
  surface.SetFontSize(kTitlePoints);
  double widest = 0;
  for (const std::string& line : lines) {
    widest = std::max(widest, surface.TextWidth(line));
  }
  const double tallest = static_cast<double>(std::size(lines)) * surface.TextHeight();
  const double room = std::min((corner.left + sheets::LabelWidthOf(sheet) - kMm - left) / widest,
                               (corner.top + sheets::LabelHeightOf(sheet) - kMm - top) / tallest);
  const double points = kTitlePoints * std::min(room, 1.0);
  if (points < kLeastTitlePoints) {
    return;
  }
  surface.SetFontSize(points);
  surface.SetCurrentY(top);
  for (const std::string& line : lines) {
    surface.SetCurrentX(left);
    surface.PrintText(line, true);
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
  const std::vector<sheets::LabelCorner> corners = sheets::LabelCorners(sheet);
  const auto placed = [&offset](sheets::LabelCorner corner) {
    return sheets::LabelCorner{corner.left - offset.x, corner.top - offset.y};
  };
  for (const sheets::LabelCorner& corner : corners) {
    sheets::DrawLabelOutline(surface, placed(corner), sheet, kOutline);
    DrawCornerRulers(surface, placed(corner).left, placed(corner).top);
  }
  if (!corners.empty()) {
    DrawTitle(surface, placed(corners.front()), sheet, printer);
  }
}

}  // namespace tavrilon::labels
