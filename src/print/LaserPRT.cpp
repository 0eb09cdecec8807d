#include "print/LaserPRT.h"

namespace tavrilon::print::LaserPRT {

void SetOrientation(PrintSurface& surface, Orientation orientation) {
  surface.SetOrientation(orientation);
}

void SetFont(PrintSurface& surface, std::string_view face, double size) {
  if (!face.empty()) {
    surface.SetFontName(face);
  }
  if (size > 0) {
    surface.SetFontSize(size);
  }
}

namespace {

// Draws in the given unit and line setting, then puts both back.
template <typename Draw>
void WithUnitAndLine(PrintSurface& surface, Unit unit, int lineWidth, Draw draw) {
  const Unit keptUnit = surface.GetUnit();
  const int keptLine = surface.LineWidth();
  surface.SetUnit(unit);
  surface.SetLineWidth(lineWidth);
  draw();
  surface.SetLineWidth(keptLine);
  surface.SetUnit(keptUnit);
}

}  // namespace

void DrawBox(PrintSurface& surface, Unit unit, double top, double left, double bottom,
             double right) {
  WithUnitAndLine(surface, unit, 2, [&] { surface.DrawBox(left, top, right, bottom, kBlack); });
}

void DrawRule(PrintSurface& surface, Unit unit, double top, double left, double width,
              double height) {
  WithUnitAndLine(surface, unit, 1, [&] {
    if (height < 1) {
      surface.DrawLine(left, top, left + width, top, kBlack);
    } else {
      surface.DrawLine(left, top, left, top + height, kBlack);
    }
  });
}

void PrintAt(PrintSurface& surface, Unit unit, double top, double left, std::string_view text,
             TextStyle style, double size, Colour colour) {
  const Unit keptUnit = surface.GetUnit();
  const double keptSize = surface.FontSize();
  const bool keptBold = surface.Bold();
  const bool keptItalic = surface.Italic();
  const Colour keptColour = surface.ForeColour();

  surface.SetForeColour(colour);
  if (style == TextStyle::Bold) {
    surface.SetBold(true);
  } else if (style == TextStyle::Italic) {
    surface.SetItalic(true);
  }
  if (size > 0) {
    surface.SetFontSize(size);
  }
  surface.SetUnit(unit);
  surface.SetCurrentX(left);
  surface.SetCurrentY(top);
  surface.PrintText(text, true);

  surface.SetBold(keptBold);
  surface.SetItalic(keptItalic);
  surface.SetFontSize(keptSize);
  surface.SetUnit(keptUnit);
  surface.SetForeColour(keptColour);
}

}  // namespace tavrilon::print::LaserPRT
