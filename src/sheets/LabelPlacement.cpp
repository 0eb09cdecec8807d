#include "sheets/LabelPlacement.h"

namespace tavrilon::sheets {

float LabelPlacement::LabelLeft() const {
  return static_cast<float>(sheet_.leftMargin + (position_.column - 1) * sheet_.horizontalPitch);
}

float LabelPlacement::LabelTop() const {
  return static_cast<float>(sheet_.topMargin + (position_.row - 1) * sheet_.verticalPitch);
}

bool LabelPlacement::StepWithinPage() {
  if (position_.column < sheet_.across) {
    position_.column = static_cast<std::int16_t>(position_.column + 1);
  } else if (position_.row < sheet_.down) {
    position_.column = 1;
    position_.row = static_cast<std::int16_t>(position_.row + 1);
  } else {
    return false;
  }
  return true;
}

void LabelPlacement::AdvanceLabel(print::PrintSurface& surface) {
  if (!StepWithinPage()) {
    surface.NewPage();
    position_ = LabelPosition{};
  }
}

}  // namespace tavrilon::sheets
