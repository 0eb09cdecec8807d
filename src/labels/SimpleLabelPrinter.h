#pragma once

#include <optional>
#include <string>
#include <utility>

#include "designs/SimpleLabel.h"
#include "labels/DesignPrinter.h"
#include "labels/MailingAddress.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::labels {

// The Simple design: each contact's QSL label and, by the label style, the
// mailing label of the station its card goes to (its manager's, when it has
// one) from the callbook and the operator's return label, on consecutive
// labels.
class SimpleLabelPrinter : public DesignPrinter {
 public:
  // `useQrz`: the run could open the callbook `addresses` looks in.
  // `perStation`: one mailing and return label for each run of contacts
  // going to the same station, after its last QSL label.
  SimpleLabelPrinter(sheets::LabelSheet sheet, int style, bool useQrz,
                     const MailingAddresses& addresses, designs::LabelLines returnLines,
                     bool perStation = false)
      : placement_(std::move(sheet)),
        style_(style),
        useQrz_(useQrz),
        perStation_(perStation),
        addresses_(addresses),
        returnLines_(std::move(returnLines)) {}

  void Start(print::PrintSurface& surface, long labelsToSkip) override;
  // Each label counts, not the contact: a style 3 contact is three.
  bool Print(print::PrintSurface& surface, const adif::FieldTable& fields,
             std::string& failure) override;
  void Finish(print::PrintSurface& surface) override;
  int Labels() const override { return labels_; }

 private:
  // The labels of the style for a contact going to `destination`; without
  // `qsl`, the ones that follow the QSL label only.
  void PrintStyle(print::PrintSurface& surface, const designs::LabelLines* qsl,
                  const std::string& destination);
  void PrintLabel(print::PrintSurface& surface, const designs::LabelLines& lines);

  sheets::LabelPlacement placement_;
  int style_;
  bool useQrz_;
  bool perStation_;
  const MailingAddresses& addresses_;
  designs::LabelLines returnLines_;
  int labels_ = 0;
  // Per station: where the QSL labels printed since the last address go.
  std::optional<std::string> station_;
};

}  // namespace tavrilon::labels
