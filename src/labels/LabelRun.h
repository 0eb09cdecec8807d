#pragma once

#include <functional>
#include <string>

#include "adif/AdifInput.h"
#include "labels/LabelSheetPlacement.h"
#include "print/PrintSurface.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::labels {

// The main window's choices a label run reads.
struct LabelRunChoices {
  std::string labelInputFile;  // LabelInputFile
  std::string labelStock;      // LabelStock
  std::string labelDesign;     // LabelDesign
  int labelStyle = 1;          // LabelStyle
};

enum class LabelRunOutcome {
  Printed,            // the labels went to the printer
  Stopped,            // the user was told why nothing was printed
  Cancelled,          // no print document was wanted after all
  DictionaryMissing,  // the caller must end the program
};

using print::SurfaceSource;

// The label print run and its state, which lives from one run to the next.
class LabelRun {
 public:
  LabelRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui);

  // Prints a label for every contact of the label input file. `labelSkip` is
  // the "Number of Labels to skip:" box: filled with "0" when empty.
  LabelRunOutcome PrintLabelRun(const LabelRunChoices& choices, std::string& labelSkip,
                                const SurfaceSource& surface);

  // Sets the font and the sheet, and skips the used labels. False, with the
  // user told why, when the sheet cannot be printed on.
  bool PrepareLabelSheet(print::PrintSurface& surface, std::string_view stock,
                         std::string_view face, double size, std::string& labelSkip);
  // A custom design's step to its next label.
  void BeginDesignLabel(print::PrintSurface& surface);

  LabelPlacement& Placement() { return placement_; }
  int LabelCount = 0;
  int RunLabelStyle = 0;
  std::string RunDesign;
  bool DesignLabelBegun = false;
  int LabelLineCounter = 0;

 private:
  // The sheet and the skip count, checked before a print document is asked
  // for, so that a run that cannot print starts none.
  bool CheckSheet(std::string_view stock, std::string& labelSkip);
  // Progress ends at 100; the status of the reading is answered.
  adif::InputStatus PrintDefaultLabels(print::PrintSurface& surface, const LabelRunChoices& choices,
                                       std::string& labelSkip);

  adif::AdifInput& input_;
  settings::SettingsFile& settings_;
  UserInterface& ui_;
  LabelPlacement placement_;
};

// The largest skip count: a label position is 16 bits.
inline constexpr long kMostLabelsToSkip = 32767;

}  // namespace tavrilon::labels
