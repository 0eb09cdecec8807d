#pragma once

#include <array>
#include <span>
#include <string>

#include "adif/FieldTable.h"
#include "print/PrintSurface.h"
#include "sheets/LabelPlacement.h"

namespace tavrilon::designs {

// The four lines of one label of the Simple design: a QSL label, a mailing
// label or the return label.
using LabelLines = std::array<std::string, 4>;

// The contact's QSL label: call and manager, date and time, frequency and
// mode, power and report.
LabelLines BuildSimpleQslLines(const adif::FieldTable& fields);

// Prints the four lines on the current label, one under the other, and moves
// to the next label.
void PrintLabelLines(print::PrintSurface& surface, sheets::LabelPlacement& placement,
                     const LabelLines& lines);

// What one contact puts on the sheet, by the run's label style and whether
// the callbook is in use: the labels in the order they are printed, and when
// the station's address is looked up.
enum class StyleStep { QslLabel, LookUp, MailingLabel, ReturnLabel };
std::span<const StyleStep> StyleSteps(int style, bool useQrz);

}  // namespace tavrilon::designs
