#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "print/PrintSurface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::print {

// How far a printer's label sheets must be moved to land on the labels, in
// millimetres; right and down are positive.
struct Calibration {
  double acrossMm = 0;
  double downMm = 0;
};

inline constexpr double kMillimetresPerInch = 25.4;

// A shift beyond this is no printer's error but a wrong sheet or a typing
// slip.
inline constexpr double kMostShiftMm = 20;

struct StoredCalibration {
  Calibration value;
  std::string fault;  // why the stored text could not be used; empty when it could
};

// The correction stored for `printer`: none (0, 0) when none is stored.
StoredCalibration ReadCalibration(settings::SettingsFile& settings, std::string_view printer);

// Stores the correction for `printer`. Empty when stored, else why not.
std::string StoreCalibration(settings::SettingsFile& settings, std::string_view printer,
                             Calibration calibration);

// A shift as typed, in millimetres or inches, in millimetres; nothing when it
// is not a number within the bound.
std::optional<double> ShiftInMillimetres(std::string_view typed, Unit unit);

// A shift for people: "1.5 mm across, -1 mm down".
std::string CalibrationText(Calibration calibration);

// Moves everything drawn on `surface` from now on by the correction.
void ApplyCalibration(PrintSurface& surface, Calibration calibration);

}  // namespace tavrilon::print
