#pragma once

#include <utility>

#include "designs/DesignRenderer.h"
#include "designs/LabelSample.h"
#include "labels/DesignPrinter.h"
#include "session/UserInterface.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::labels {

// Turns the page as the design read by `renderer` says, then sets the sheet
// up as every design starts: the labels printed, blank cards and the preview.
void StartCustomSheet(print::PrintSurface& surface, const designs::DesignRenderer& renderer,
                      sheets::LabelPlacement& placement, long labelsToSkip);

// A custom design, as its renderer draws it: the contacts of one station
// share a label up to the design's lines.
class CustomLabelPrinter : public DesignPrinter {
 public:
  // `renderer` holds custom design number `design`, read for the run.
  CustomLabelPrinter(sheets::LabelSheet sheet, designs::DesignRenderer& renderer, int design)
      : placement_(std::move(sheet)), renderer_(renderer), design_(design) {}

  // Before anything is printed: the first label drawn on `measure`, and a
  // text that runs past the label's edge asked about once. False when the
  // user would rather not print.
  bool ConfirmFirstLabel(print::PrintSurface& measure, const designs::LabelSample& first,
                         UserInterface& ui) const;

  void Start(print::PrintSurface& surface, long labelsToSkip) override;
  bool Print(print::PrintSurface& surface, const adif::FieldTable& fields,
             std::string& failure) override;
  int Labels() const override { return renderer_.LabelsBegun(); }

 private:
  sheets::LabelPlacement placement_;
  designs::DesignRenderer& renderer_;
  int design_;
};

}  // namespace tavrilon::labels
