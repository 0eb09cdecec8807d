#pragma once

#include <vector>

#include "print/PrintSurface.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::sheets {

// Every label of a page, in the order they are used.
std::vector<LabelCorner> LabelCorners(const LabelSheet& sheet);

// Where labels go on the sheet of a run: the sheet and the label the next
// print goes to.
class LabelPlacement {
 public:
  LabelPlacement() = default;
  explicit LabelPlacement(LabelSheet sheet) : sheet_(std::move(sheet)) {}

  const LabelSheet& Sheet() const { return sheet_; }
  LabelPosition Position() const { return position_; }
  void SetPosition(LabelPosition position) { position_ = position; }

  // The current label's top left corner, in inches from the page's.
  LabelCorner Corner() const;
  float LabelLeft() const;
  float LabelTop() const;

  // Moves to the next label: across, then down, then to a new page.
  void AdvanceLabel(print::PrintSurface& surface);
  // The same without a page: false where the next label would begin one.
  bool StepWithinPage();

 private:
  LabelSheet sheet_;
  LabelPosition position_;
};

}  // namespace tavrilon::sheets
