#include "print/LaserPRT.h"

#include "text/Text.h"

namespace tavrilon::print::LaserPRT {

std::optional<Unit> ParseUnitSelector(std::string_view selector) {
  const std::string upper = text::AsciiUpper(selector);
  const auto number = text::ParseDecimal(selector);
  if (upper == "MILLIMETERS" || number == 6) {
    return Unit::Millimetres;
  }
  if (upper == "INCHES" || number == 5) {
    return Unit::Inches;
  }
  return std::nullopt;
}

void SetOrientation(PrintSurface& surface, int landscape) {
  surface.SetOrientation(landscape > 0 ? Orientation::Landscape : Orientation::Portrait);
}

void SetFont(PrintSurface& surface, std::string_view face, double size) {
  if (!face.empty()) {
    surface.SetFontName(face);
  }
  if (size > 0) {
    surface.SetFontSize(size);
  }
}

void SetUnits(PrintSurface& surface, std::string_view unit) {
  if (const auto parsed = ParseUnitSelector(unit)) {
    surface.SetUnit(*parsed);
  }
}

namespace {

// Draws in the given unit and line setting, then puts both back.
template <typename Draw>
void WithUnitAndLine(PrintSurface& surface, std::string_view unit, int lineWidth, Draw draw) {
  const Unit keptUnit = surface.GetUnit();
  const int keptLine = surface.LineWidth();
  SetUnits(surface, unit);
  surface.SetLineWidth(lineWidth);
  draw();
  surface.SetLineWidth(keptLine);
  surface.SetUnit(keptUnit);
}

}  // namespace

void DrawBox(PrintSurface& surface, std::string_view unit, double top, double left, double bottom,
             double right) {
  WithUnitAndLine(surface, unit, 2, [&] { surface.DrawBox(left, top, right, bottom, kBlack); });
}

void DrawRule(PrintSurface& surface, std::string_view unit, double top, double left, double width,
              double height) {
  WithUnitAndLine(surface, unit, 1, [&] {
    if (height < 1) {
      surface.DrawLine(left, top, left + width, top, kBlack);
    } else {
      surface.DrawLine(left, top, left, top + height, kBlack);
    }
  });
}

void PrintAt(PrintSurface& surface, std::string_view unit, double top, double left,
             std::string_view text, std::string_view style, double size, Colour colour) {
  const Unit keptUnit = surface.GetUnit();
  const double keptSize = surface.FontSize();
  const bool keptBold = surface.Bold();
  const bool keptItalic = surface.Italic();
  const Colour keptColour = surface.ForeColour();

  surface.SetForeColour(colour);
  const std::string upper = text::AsciiUpper(style);
  if (upper == "BOLD" || upper == "B") {
    surface.SetBold(true);
  } else if (upper == "ITALIC" || upper == "I") {
    surface.SetItalic(true);
  }
  if (size > 0) {
    surface.SetFontSize(size);
  }
  SetUnits(surface, unit);
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
