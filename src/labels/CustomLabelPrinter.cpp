#include "labels/CustomLabelPrinter.h"

#include "designs/LabelFit.h"
#include "print/LaserPRT.h"

namespace tavrilon::labels {

bool CustomLabelPrinter::ConfirmFirstLabel(print::PrintSurface& measure,
                                           const designs::LabelSample& first,
                                           UserInterface& ui) const {
  // A copy, so the label in progress stays as it is; the run's design all the same.
  designs::DesignRenderer measuring = renderer_;
  std::string failure;  // the run itself reports a design that cannot be drawn
  const sheets::LabelSheet& sheet = placement_.Sheet();
  const auto overflow = designs::FirstOverflow(
      designs::DrawFirstLabel(measuring, measure, design_, first, 0, 0, failure), sheet);
  return !overflow ||
         ui.AskYesNo(designs::OverflowText(design_, measuring.Design().name, *overflow, sheet) +
                     "\nPrint the labels all the same?");
}

void StartCustomSheet(print::PrintSurface& surface, const designs::DesignRenderer& renderer,
                      sheets::LabelPlacement& placement, long labelsToSkip) {
  print::LaserPRT::SetOrientation(surface, renderer.Design().orientation);
  PrepareLabelSheet(surface, placement, labelsToSkip);
}

void CustomLabelPrinter::Start(print::PrintSurface& surface, long labelsToSkip) {
  StartCustomSheet(surface, renderer_, placement_, labelsToSkip);
}

bool CustomLabelPrinter::Print(print::PrintSurface& surface, const adif::FieldTable& fields,
                               std::string& failure) {
  if (!renderer_.RenderDesignQso(surface, fields, placement_)) {
    failure = renderer_.Failure();
    return false;
  }
  return true;
}

}  // namespace tavrilon::labels
