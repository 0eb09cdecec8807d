#include "designs/SimpleLabel.h"

#include "adif/LoggedMode.h"
#include "designs/DefaultLabel.h"
#include "sheets/LabelSheet.h"
#include "sheets/PrinterOffset.h"
#include "text/Text.h"

namespace tavrilon::designs {

using adif::StandardField;

LabelLines BuildSimpleQslLines(const adif::FieldTable& fields) {
  const auto value = [&fields](StandardField field) { return fields.StandardValue(field); };
  LabelLines lines;
  std::string& call = lines[0];
  call.append("Confirming contact with ").append(value(StandardField::Call));
  if (const std::string_view via = value(StandardField::QslVia); !via.empty()) {
    call.append("  via:  ").append(via);
  }
  lines[1]
      .append("On ")
      .append(value(StandardField::QsoDate))
      .append("   At ")
      .append(text::FirstChars(value(StandardField::TimeOn), 5))
      .append(" GMT");
  lines[2].append("Freq: ").append(value(StandardField::Freq)).append("  ");
  if (const std::string_view mode = adif::ModeAsLogged(fields); !mode.empty()) {
    lines[2].append("Mode: ").append(mode).append("  ");
  }
  if (const std::string_view power = value(StandardField::TxPwr); !power.empty()) {
    lines[3].append("Power: ").append(power).append("  ");
  }
  lines[3].append("Your RST: ").append(value(StandardField::RstSent)).append("  ");
  return lines;
}

void PrintLabelLines(print::PrintSurface& surface, sheets::LabelPlacement& placement,
                     const LabelLines& lines) {
  // Placed on the paper as the other designs place theirs: the surface
  // counts from the printable area's corner.
  const sheets::PrinterOffset offset = sheets::PrinterOffsetOf(surface);
  surface.SetUnit(print::Unit::Inches);
  surface.SetCurrentY(placement.LabelTop() - offset.y);
  for (const std::string& line : lines) {
    surface.SetCurrentX(placement.LabelLeft() - offset.x);
    surface.PrintText(line, true);
    surface.SetCurrentY(surface.CurrentY() + sheets::LineGap(surface.FontSize()));
  }
  placement.AdvanceLabel(surface);
}

std::span<const StyleStep> StyleSteps(int style, bool useQrz) {
  using enum StyleStep;
  static constexpr StyleStep kQslOnly[] = {QslLabel};
  static constexpr StyleStep kQslAndReturn[] = {QslLabel, ReturnLabel};
  static constexpr StyleStep kStyle2[] = {LookUp, QslLabel, MailingLabel};
  static constexpr StyleStep kStyle3[] = {QslLabel, LookUp, MailingLabel, ReturnLabel};
  switch (style) {
    case 1:
      return kQslOnly;
    case 2:
      return useQrz ? std::span<const StyleStep>(kStyle2) : kQslAndReturn;
    case 3:
      return useQrz ? std::span<const StyleStep>(kStyle3) : kQslAndReturn;
    default:
      return {};
  }
}

}  // namespace tavrilon::designs
