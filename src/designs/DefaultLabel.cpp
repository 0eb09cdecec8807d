#include "designs/DefaultLabel.h"

#include <cmath>
#include <string>

#include "adif/LoggedMode.h"
#include "sheets/LabelSheet.h"
#include "sheets/PrinterOffset.h"
#include "text/Text.h"

namespace tavrilon::designs {

namespace {

using adif::StandardField;
using print::PrintSurface;

void MoveDown(PrintSurface& surface, double inches) {
  surface.SetCurrentY(surface.CurrentY() + inches);
}

std::string_view FirstName(std::string_view name) {
  return name.substr(0, name.find(' '));
}

}  // namespace

void DrawDefaultLabel(PrintSurface& surface, const adif::FieldTable& fields, double labelLeft,
                      double labelTop) {
  const auto value = [&fields](StandardField field) { return fields.StandardValue(field); };
  const sheets::PrinterOffset offset = sheets::PrinterOffsetOf(surface);
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

  MoveDown(surface, sheets::LineGap(15));
  surface.SetFontSize(9);
  surface.SetCurrentX(x0);
  std::string confirms(value(StandardField::Operator));
  confirms += " confirms the 2x";
  confirms += adif::ModeAsLogged(fields);
  confirms += " QSO";
  surface.PrintText(confirms, true);

  MoveDown(surface, sheets::LineGap(9));
  surface.SetCurrentX(x0);
  surface.SetFontName("Courier New");
  surface.SetBold(true);
  surface.SetFontSize(8);
  surface.PrintText("    Date     Time   Band   RST", true);

  MoveDown(surface, sheets::LineGap(8));
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
  MoveDown(surface, sheets::LineGap(9));
  surface.SetCurrentX(x0);
  std::string thanks = "Thanks ";
  thanks += FirstName(value(StandardField::Name));
  thanks += text::TrimBlanks(value(StandardField::QslRcvd)) == "Y" ? "  Rec'd your QSL"
                                                                   : "  Please Send QSL";
  surface.PrintText(thanks, true);
}

}  // namespace tavrilon::designs
