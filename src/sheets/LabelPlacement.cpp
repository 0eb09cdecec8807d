#include "sheets/LabelPlacement.h"

namespace tavrilon::sheets {

std::vector<LabelCorner> LabelCorners(const LabelSheet& sheet) {
  if (!sheet.staggered.empty()) {
    return sheet.staggered;
  }
  std::vector<LabelCorner> corners;
  corners.reserve(static_cast<std::size_t>(sheet.across) * static_cast<std::size_t>(sheet.down));
  for (int row = 0; row < sheet.down; ++row) {
    for (int column = 0; column < sheet.across; ++column) {
      corners.push_back({sheet.leftMargin + column * sheet.horizontalPitch,
                         sheet.topMargin + row * sheet.verticalPitch});
    }
  }
  return corners;
}

LabelCorner LabelPlacement::Corner() const {
  const auto index = static_cast<std::size_t>(position_.column - 1);
  if (!sheet_.staggered.empty() && index < sheet_.staggered.size()) {
    return sheet_.staggered[index];
  }
  return {sheet_.leftMargin + (position_.column - 1) * sheet_.horizontalPitch,
          sheet_.topMargin + (position_.row - 1) * sheet_.verticalPitch};
}

float LabelPlacement::LabelLeft() const {
  return static_cast<float>(Corner().left);
}

float LabelPlacement::LabelTop() const {
  return static_cast<float>(Corner().top);
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
