#pragma once

#include <string_view>

namespace tavrilon::designs {

// The design a label run prints with, as the main window chose it.
enum class LabelDesign { None, Default, Simple, Custom1, Custom2, Custom3 };

// The stored choice ("QSL Labels"/"LabelLayOut") in capitals: "DEFAULT",
// "SIMPLE", "CUSTOM1" to "CUSTOM3"; None for anything else.
LabelDesign LabelDesignOf(std::string_view stored);
// What is stored for a design: "" for None.
std::string_view StoredLabelDesign(LabelDesign design);
// 1 to 3 for the custom designs, 0 for the others.
int CustomDesignNumberOf(LabelDesign design);
// The custom design numbered 1 to 3.
LabelDesign CustomDesignOf(int number);

}  // namespace tavrilon::designs
