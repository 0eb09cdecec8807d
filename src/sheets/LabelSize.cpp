#include "sheets/LabelSize.h"

#include <algorithm>

namespace tavrilon::sheets {

double LabelWidthOf(const LabelSheet& sheet) {
  return sheet.labelWidth > 0 ? sheet.labelWidth : sheet.horizontalPitch;
}

double LabelHeightOf(const LabelSheet& sheet) {
  return sheet.labelHeight > 0 ? sheet.labelHeight : sheet.verticalPitch;
}

double CornerRadiusOf(const LabelSheet& sheet) {
  const double most = std::min(LabelWidthOf(sheet), LabelHeightOf(sheet)) / 2;
  return std::clamp(sheet.cornerRadius, 0.0, std::max(most, 0.0));
}

}  // namespace tavrilon::sheets
