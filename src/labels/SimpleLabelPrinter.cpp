#include "labels/SimpleLabelPrinter.h"

#include "sending/Destination.h"

namespace tavrilon::labels {

void SimpleLabelPrinter::Start(print::PrintSurface& surface, long labelsToSkip) {
  // The orientation is left as the document has it.
  PrepareLabelSheet(surface, placement_, labelsToSkip);
}

bool SimpleLabelPrinter::Print(print::PrintSurface& surface, const adif::FieldTable& fields,
                               std::string& /*failure*/) {
  const designs::LabelLines qsl = designs::BuildSimpleQslLines(fields);
  std::string destination = sending::DestinationOf(fields).call;
  if (!perStation_) {
    PrintStyle(surface, &qsl, destination);
    return true;
  }
  if (station_ && *station_ != destination) {
    PrintStyle(surface, nullptr, *station_);
  }
  PrintLabel(surface, qsl);
  station_ = std::move(destination);
  return true;
}

void SimpleLabelPrinter::Finish(print::PrintSurface& surface) {
  if (station_) {
    PrintStyle(surface, nullptr, *station_);
    station_.reset();
  }
}

void SimpleLabelPrinter::PrintStyle(print::PrintSurface& surface, const designs::LabelLines* qsl,
                                    const std::string& destination) {
  designs::LabelLines mailing;
  for (const designs::StyleStep step : designs::StyleSteps(style_, useQrz_)) {
    switch (step) {
      case designs::StyleStep::QslLabel:
        if (qsl != nullptr) {
          PrintLabel(surface, *qsl);
        }
        break;
      case designs::StyleStep::LookUp:
        mailing = addresses_.LookupMailingAddress(destination);
        break;
      case designs::StyleStep::MailingLabel:
        PrintLabel(surface, mailing);
        break;
      case designs::StyleStep::ReturnLabel:
        PrintLabel(surface, returnLines_);
        break;
    }
  }
}

void SimpleLabelPrinter::PrintLabel(print::PrintSurface& surface,
                                    const designs::LabelLines& lines) {
  ++labels_;
  designs::PrintLabelLines(surface, placement_, lines);
}

}  // namespace tavrilon::labels
