#pragma once

#include <optional>
#include <string_view>

#include "labels/LabelSheet.h"
#include "labels/LabelSheetCustom.h"
#include "print/PrintSurface.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::labels {

enum class SheetLookupStatus {
  Found,
  NotInCatalogue,    // neither a catalogued stock nor a custom sheet
  CustomNotDefined,  // the user has been told "You have not defined a custom label."
  CustomIncomplete,  // the caller tells the user CustomSheetFaultText(*fault)
};

struct SheetLookup {
  SheetLookupStatus status = SheetLookupStatus::Found;
  std::optional<CustomSheetFault> fault;  // for CustomIncomplete
  bool Found() const { return status == SheetLookupStatus::Found; }
};

// Where labels go on the sheet of a run: the sheet in force and the label the
// next print goes to, shared by every label printer of the run and kept
// until the next run prepares its own.
class LabelPlacement {
 public:
  // Makes the sheet of `stock` (compared in capitals) the current sheet.
  // Anything but Found leaves the current sheet as it was, so a run never
  // places labels on a missing or incomplete sheet.
  SheetLookup LookupLabelSheet(std::string_view stock, settings::SettingsFile& settings,
                               UserInterface& ui);
  // The same for "Custom 1" to "Custom 3", read afresh from the settings.
  SheetLookup LoadCustomSheet(std::string_view stock, settings::SettingsFile& settings,
                              UserInterface& ui);

  const LabelSheet& CurrentSheet() const { return currentSheet_; }
  LabelPosition Position() const { return position_; }
  void SetPosition(LabelPosition position) { position_ = position; }

  // The current label's top left corner, in inches from the page's.
  float LabelLeft() const;
  float LabelTop() const;

  // Moves to the next label: across, then down, then to a new page.
  void AdvanceLabel(print::PrintSurface& surface);

 private:
  LabelSheet currentSheet_;
  LabelPosition position_;
};

}  // namespace tavrilon::labels
