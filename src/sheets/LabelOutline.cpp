#include "sheets/LabelOutline.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "sheets/LabelSize.h"

namespace tavrilon::sheets {

namespace {

// Lines to a quarter circle: at a printer's resolution the corner looks round.
constexpr int kArcSteps = 8;

struct Point {
  double x = 0;
  double y = 0;
};

}  // namespace

void DrawLabelOutline(print::PrintSurface& surface, LabelCorner corner, const LabelSheet& sheet,
                      print::Colour colour) {
  const double radius = CornerRadiusOf(sheet);
  const double left = corner.left;
  const double top = corner.top;
  const double right = left + LabelWidthOf(sheet);
  const double bottom = top + LabelHeightOf(sheet);
  // The corners' centres clockwise from the top left, each arc a quarter
  // turn on from the last (y grows downward).
  const std::array<Point, 4> centres{{{left + radius, top + radius},
                                      {right - radius, top + radius},
                                      {right - radius, bottom - radius},
                                      {left + radius, bottom - radius}}};
  std::vector<Point> points;
  for (std::size_t k = 0; k < centres.size(); ++k) {
    for (int step = 0; step <= kArcSteps; ++step) {
      const double angle =
          std::numbers::pi * (1 + static_cast<double>(k) / 2 + step / (2.0 * kArcSteps));
      points.push_back(
          {centres[k].x + radius * std::cos(angle), centres[k].y + radius * std::sin(angle)});
    }
  }
  for (std::size_t k = 0; k < points.size(); ++k) {
    const Point from = points[k];
    const Point to = points[(k + 1) % points.size()];
    // A square corner, or the side of a round label, has no length.
    if (std::hypot(to.x - from.x, to.y - from.y) > 1e-9) {
      surface.DrawLine(from.x, from.y, to.x, to.y, colour);
    }
  }
}

}  // namespace tavrilon::sheets
