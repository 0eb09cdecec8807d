#include "labels/DesignPrinter.h"

#include "designs/DefaultLabel.h"

namespace tavrilon::labels {

void PrepareLabelSheet(print::PrintSurface& surface, sheets::LabelPlacement& placement,
                       long labelsToSkip) {
  surface.SetBold(false);
  surface.SetUnit(print::Unit::Inches);
  surface.SetFontName(designs::kDefaultLabelFace);
  surface.SetFontSize(8);
  placement.SetPosition({});
  for (long skipped = labelsToSkip; skipped > 0; --skipped) {
    placement.AdvanceLabel(surface);
  }
}

}  // namespace tavrilon::labels
