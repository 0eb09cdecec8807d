#include "designs/LabelDesign.h"

#include <array>
#include <utility>

#include "text/Text.h"

namespace tavrilon::designs {

namespace {

constexpr std::array<std::pair<LabelDesign, std::string_view>, 5> kStored = {{
    {LabelDesign::Default, "DEFAULT"},
    {LabelDesign::Simple, "SIMPLE"},
    {LabelDesign::Custom1, "CUSTOM1"},
    {LabelDesign::Custom2, "CUSTOM2"},
    {LabelDesign::Custom3, "CUSTOM3"},
}};

}  // namespace

LabelDesign LabelDesignOf(std::string_view stored) {
  const std::string upper = text::AsciiUpper(stored);
  for (const auto& [design, text] : kStored) {
    if (upper == text) {
      return design;
    }
  }
  return LabelDesign::None;
}

std::string_view StoredLabelDesign(LabelDesign design) {
  for (const auto& [known, text] : kStored) {
    if (known == design) {
      return text;
    }
  }
  return {};
}

int CustomDesignNumberOf(LabelDesign design) {
  switch (design) {
    case LabelDesign::Custom1:
      return 1;
    case LabelDesign::Custom2:
      return 2;
    case LabelDesign::Custom3:
      return 3;
    case LabelDesign::None:
    case LabelDesign::Default:
    case LabelDesign::Simple:
      break;
  }
  return 0;
}

LabelDesign CustomDesignOf(int number) {
  return number == 2   ? LabelDesign::Custom2
         : number == 3 ? LabelDesign::Custom3
                       : LabelDesign::Custom1;
}

}  // namespace tavrilon::designs
