#pragma once

#include <string>

#include "adif/AdifInput.h"
#include "labels/LabelDesign.h"
#include "labels/LabelSheetPlacement.h"
#include "print/PrintSurface.h"
#include "session/RunOutcome.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::labels {

// What a label run is asked to print, as the main window holds it.
struct LabelRunRequest {
  std::string labelInputFile;
  std::string labelStock;
  LabelDesign design = LabelDesign::None;
  int labelStyle = 1;
  std::string labelSkip;  // the "Number of Labels to skip:" box as typed
};

struct LabelRunResult {
  RunOutcome outcome = RunOutcome::Stopped;
  std::string labelSkip;  // the box as the run leaves it: an empty one holds "0"
};

using print::SurfaceSource;

// The label print run and its state, which lives from one run to the next.
class LabelRun {
 public:
  LabelRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui);

  // Prints a label for every contact of the label input file.
  LabelRunResult PrintLabelRun(const LabelRunRequest& request, const SurfaceSource& surface);

  // Sets the font and the sheet in force, and skips the used labels.
  void PrepareLabelSheet(print::PrintSurface& surface, std::string_view face, double size,
                         long labelsToSkip);
  // A custom design's step to its next label.
  void BeginDesignLabel(print::PrintSurface& surface);

  const LabelPlacement& Placement() const { return placement_; }
  int LabelCount() const { return labelCount_; }

 private:
  // The sheet and the skip count, checked before a print document is asked
  // for, so that a run that cannot print starts none.
  bool CheckSheet(std::string_view stock, std::string& labelSkip);
  // Progress ends at 100; the status of the reading is answered.
  adif::InputStatus PrintDefaultLabels(print::PrintSurface& surface, long labelsToSkip);

  adif::AdifInput& input_;
  settings::SettingsFile& settings_;
  UserInterface& ui_;
  LabelPlacement placement_;
  int labelCount_ = 0;
  bool designLabelBegun_ = false;
};

// The largest skip count: a label position is 16 bits.
inline constexpr long kMostLabelsToSkip = 32767;

}  // namespace tavrilon::labels
