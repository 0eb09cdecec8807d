#pragma once

#include <utility>

#include "labels/DesignPrinter.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::labels {

// The Default design: one label per contact, across, down, then a new page.
class DefaultLabelPrinter : public DesignPrinter {
 public:
  explicit DefaultLabelPrinter(sheets::LabelSheet sheet) : placement_(std::move(sheet)) {}

  void Start(print::PrintSurface& surface, long labelsToSkip) override;
  bool Print(print::PrintSurface& surface, const adif::FieldTable& fields,
             std::string& failure) override;
  int Labels() const override { return labels_; }

 private:
  sheets::LabelPlacement placement_;
  int labels_ = 0;
};

}  // namespace tavrilon::labels
