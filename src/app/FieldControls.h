#pragma once

#include <string>
#include <vector>

#include "designs/DesignEditing.h"

class QComboBox;

namespace tavrilon::app {

// The controls that the field options dialog and the field property panel
// both edit a field with, so that both offer and store the same.

// A list of the dictionary's field names that takes a name typed in as it
// is: a design may hold a name the dictionary lacks.
QComboBox* FieldNameList(const char* name);
// A blank item first, for no field, then `choices` trimmed.
void FillFieldNameList(QComboBox& list, const std::vector<std::string>& choices);

// Left, Center and Right, in the order of designs::FieldAlign.
QComboBox* AlignList(const char* name);
void ShowAlign(QComboBox& list, designs::FieldAlign align);
designs::FieldAlign ChosenAlign(const QComboBox& list);

}  // namespace tavrilon::app
