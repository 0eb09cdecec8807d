#include "labels/SimpleLabelPrinter.h"

#include "text/Text.h"

namespace tavrilon::labels {

void SimpleLabelPrinter::Start(print::PrintSurface& surface, long labelsToSkip) {
  // The orientation is left as the document has it.
  PrepareLabelSheet(surface, placement_, labelsToSkip);
}

bool SimpleLabelPrinter::Print(print::PrintSurface& surface, const adif::FieldTable& fields,
                               std::string& /*failure*/) {
  const designs::LabelLines qsl = designs::BuildSimpleQslLines(fields);
  designs::LabelLines mailing;
  const auto printLabel = [&](const designs::LabelLines& lines) {
    ++labels_;
    designs::PrintLabelLines(surface, placement_, lines);
  };
  for (const designs::StyleStep step : designs::StyleSteps(style_, useQrz_)) {
    switch (step) {
      case designs::StyleStep::QslLabel:
        printLabel(qsl);
        break;
      case designs::StyleStep::LookUp:
        mailing = addresses_.LookupMailingAddress(
            text::AsciiUpper(text::TrimBlanks(fields.StandardValue(adif::StandardField::Call))));
        break;
      case designs::StyleStep::MailingLabel:
        printLabel(mailing);
        break;
      case designs::StyleStep::ReturnLabel:
        printLabel(returnLines_);
        break;
    }
  }
  return true;
}

}  // namespace tavrilon::labels
