#include "labels/DefaultLabelPrinter.h"

#include "designs/DefaultLabel.h"
#include "print/LaserPRT.h"

namespace tavrilon::labels {

void DefaultLabelPrinter::Start(print::PrintSurface& surface, long labelsToSkip) {
  print::LaserPRT::SetOrientation(surface, print::Orientation::Portrait);
  PrepareLabelSheet(surface, placement_, labelsToSkip);
}

bool DefaultLabelPrinter::Print(print::PrintSurface& surface, const adif::FieldTable& fields,
                                std::string& /*failure*/) {
  ++labels_;
  designs::DrawDefaultLabel(surface, fields, placement_.LabelLeft(), placement_.LabelTop());
  placement_.AdvanceLabel(surface);
  return true;
}

}  // namespace tavrilon::labels
