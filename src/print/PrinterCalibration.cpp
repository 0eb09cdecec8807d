#include "print/PrinterCalibration.h"

#include <charconv>
#include <cmath>

#include "text/Text.h"

namespace tavrilon::print {

namespace {

// Thousandths of a millimetre are finer than any printer, and keep a value
// typed in inches from being stored as 1.5239999999999998.
std::string MillimetreText(double mm) {
  const double rounded = std::round(mm * 1000) / 1000;
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded).ptr;
  return std::string(buffer, end);
}

bool WithinBound(double mm) {
  return std::abs(mm) <= kMostShiftMm;
}

}  // namespace

StoredCalibration ReadCalibration(settings::SettingsFile& settings, std::string_view printer) {
  const std::string stored = settings.ReadSetting(settings::kCalibrationSection, printer, "");
  if (text::TrimBlanks(stored).empty()) {
    return {};
  }
  const std::vector<std::string_view> parts = text::Split(stored, ',');
  std::optional<double> across;
  std::optional<double> down;
  if (parts.size() == 2) {
    across = text::ParseSignedNumber(parts[0]);
    down = text::ParseSignedNumber(parts[1]);
  }
  if (!across || !down || !WithinBound(*across) || !WithinBound(*down)) {
    return {{},
            "The correction stored for the printer \"" + std::string(printer) + "\" (\"" + stored +
                "\" in [" + std::string(settings::kCalibrationSection) +
                "]) is not two shifts in millimetres, across and down, each between -" +
                MillimetreText(kMostShiftMm) + " and " + MillimetreText(kMostShiftMm) +
                ". Calibrate the printer again (SetUp > Calibrate Printer)."};
  }
  return {{*across, *down}, {}};
}

std::string StoreCalibration(settings::SettingsFile& settings, std::string_view printer,
                             Calibration calibration) {
  if (text::TrimBlanks(printer).empty()) {
    return "No printer is chosen to calibrate.";
  }
  if (!WithinBound(calibration.acrossMm) || !WithinBound(calibration.downMm)) {
    return "A shift must be between -" + MillimetreText(kMostShiftMm) + " and " +
           MillimetreText(kMostShiftMm) + " mm.";
  }
  const std::string value =
      MillimetreText(calibration.acrossMm) + "," + MillimetreText(calibration.downMm);
  if (!settings.WriteSetting(settings::kCalibrationSection, printer, value)) {
    const auto& error = settings.LastWriteError();
    return "The correction for the printer \"" + std::string(printer) +
           "\" could not be stored in " + settings.Path().string() + ": " +
           (error ? error->reason : std::string("unknown reason"));
  }
  return {};
}

std::optional<double> ShiftInMillimetres(std::string_view typed, Unit unit) {
  const std::optional<double> value = text::ParseSignedNumber(typed);
  if (!value) {
    return std::nullopt;
  }
  const double mm = unit == Unit::Inches ? *value * kMillimetresPerInch : *value;
  return WithinBound(mm) ? std::optional<double>(mm) : std::nullopt;
}

std::string CalibrationText(Calibration calibration) {
  return MillimetreText(calibration.acrossMm) + " mm across, " +
         MillimetreText(calibration.downMm) + " mm down";
}

void ApplyCalibration(PrintSurface& surface, Calibration calibration) {
  surface.ShiftDrawing(calibration.acrossMm / kMillimetresPerInch,
                       calibration.downMm / kMillimetresPerInch);
}

}  // namespace tavrilon::print
