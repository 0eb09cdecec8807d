#pragma once

#include <optional>
#include <string_view>

#include "sheets/LabelSheet.h"

namespace tavrilon::sheets {

// The 30 label stocks the program knows. Stock texts are compared in capitals.

// The catalogued sheet of `stock`, named `stock` as passed, with its label
// and the paper it is made on; nothing for a stock that is not catalogued
// (the custom sheets are not).
std::optional<LabelSheet> CatalogueSheet(std::string_view stock);

// The one-line description the main window shows. Display text only: its
// number formats vary, and printing takes the numbers of the sheet.
std::optional<std::string_view> CatalogueDescription(std::string_view stock);

}  // namespace tavrilon::sheets
