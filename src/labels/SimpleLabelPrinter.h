#pragma once

#include <utility>

#include "designs/SimpleLabel.h"
#include "labels/DesignPrinter.h"
#include "labels/MailingAddress.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::labels {

// The Simple design: each contact's QSL label and, by the label style, its
// station's mailing label from the callbook and the operator's return label,
// on consecutive labels.
class SimpleLabelPrinter : public DesignPrinter {
 public:
  // `useQrz`: the run could open the callbook `addresses` looks in.
  SimpleLabelPrinter(sheets::LabelSheet sheet, int style, bool useQrz,
                     const MailingAddresses& addresses, designs::LabelLines returnLines)
      : placement_(std::move(sheet)),
        style_(style),
        useQrz_(useQrz),
        addresses_(addresses),
        returnLines_(std::move(returnLines)) {}

  void Start(print::PrintSurface& surface, long labelsToSkip) override;
  // Each label counts, not the contact: a style 3 contact is three.
  bool Print(print::PrintSurface& surface, const adif::FieldTable& fields,
             std::string& failure) override;
  int Labels() const override { return labels_; }

 private:
  sheets::LabelPlacement placement_;
  int style_;
  bool useQrz_;
  const MailingAddresses& addresses_;
  designs::LabelLines returnLines_;
  int labels_ = 0;
};

}  // namespace tavrilon::labels
