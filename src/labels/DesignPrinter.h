#pragma once

#include <string>

#include "adif/FieldTable.h"
#include "print/PrintSurface.h"
#include "sheets/LabelPlacement.h"

namespace tavrilon::labels {

// One label design's printing of a run's contacts, label after label.
class DesignPrinter {
 public:
  virtual ~DesignPrinter() = default;

  // Sets the sheet up on `surface` before the first contact: orientation,
  // font, and the labels to skip.
  virtual void Start(print::PrintSurface& surface, long labelsToSkip) = 0;
  // Prints one contact. False, with `failure` saying why, when it cannot be
  // drawn.
  virtual bool Print(print::PrintSurface& surface, const adif::FieldTable& fields,
                     std::string& failure) = 0;
  // After the last contact: what the design prints once its contacts are
  // all known.
  virtual void Finish(print::PrintSurface& /*surface*/) {}
  // The labels begun so far.
  virtual int Labels() const = 0;
};

// Sets the font every design starts from, goes to the sheet's first label and
// skips the used ones.
void PrepareLabelSheet(print::PrintSurface& surface, sheets::LabelPlacement& placement,
                       long labelsToSkip);

}  // namespace tavrilon::labels
