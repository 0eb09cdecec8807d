#pragma once

#include <optional>
#include <string>

#include "designs/DesignRenderer.h"
#include "labels/LabelRunRequest.h"
#include "print/PrinterCalibration.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"
#include "sheets/InstalledSheets.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::labels {

// The largest skip count.
inline constexpr long kMostLabelsToSkip = sheets::kMostLabelPosition;

// Which of the checks a run needs.
enum class RunKind {
  Print,          // labels and blank cards: everything
  Preview,        // a picture of the sheet: no printer, so no correction
  AlignmentPage,  // the sheet alone
};

// What a run takes from the settings before it reads the log or opens the
// callbook, read once: an edit during the run waits for the next.
struct RunPreparation {
  sheets::LabelSheet sheet;
  long labelsToSkip = 0;
  print::Calibration correction;                    // none unless the run prints
  int design = 0;                                   // the custom design's number; 0 for none
  std::optional<designs::DesignRenderer> renderer;  // the custom design, read
};

// Checks, in this order, the request's sheet, the skip box `labelSkip` (an
// empty one is filled with "0"), its custom design and the correction stored
// for its printer. Nothing, after telling the user why, when one fails: a
// run that cannot print asks for no document.
std::optional<RunPreparation> PrepareRun(const LabelRunRequest& request, std::string& labelSkip,
                                         RunKind kind, settings::SettingsFile& settings,
                                         sheets::InstalledSheets& installed, UserInterface& ui);

}  // namespace tavrilon::labels
