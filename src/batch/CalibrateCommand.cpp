#include "batch/CalibrateCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "labels/LabelRun.h"
#include "print/PrinterCalibration.h"

namespace tavrilon::batch {

namespace {

std::optional<double> Shift(const std::string& typed, const char* which) {
  const auto mm = print::ShiftInMillimetres(typed, print::Unit::Millimetres);
  if (!mm) {
    std::fprintf(stderr,
                 "The shift %s must be a number of millimetres from -%g to %g, not \"%s\".\n",
                 which, print::kMostShiftMm, print::kMostShiftMm, typed.c_str());
  }
  return mm;
}

}  // namespace

int RunCalibrateCommand(const CalibrateOptions& options, Session& session) {
  const auto across = Shift(options.across, "across");
  const auto down = Shift(options.down, "down");
  if (!across || !down) {
    return kExitUsage;
  }
  if (!PrinterInstalled(options.printer)) {
    return kExitInputMissing;
  }
  const print::Calibration calibration{*across, *down};
  if (const std::string fault =
          print::StoreCalibration(session.Settings(), options.printer, calibration);
      !fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    return kExitInputMissing;
  }
  std::printf("%s: %s\n", options.printer.c_str(), print::CalibrationText(calibration).c_str());
  return kExitOk;
}

int RunAlignmentPageCommand(const LabelsOptions& options, Session& session) {
  if (const auto status = CheckPrintTarget(options.target, {}, session.ProtectedFiles())) {
    return *status;
  }
  const auto stored = StoredLabelRequest(options, session.Settings());
  if (!stored) {
    return kExitUsage;
  }
  const labels::LabelRunRequest& request = *stored;
  ConsoleUserInterface ui(stderr);
  labels::LabelRun run(session.Input(), session.Settings(), session.LabelSheets(), ui, ui);
  std::optional<qt::PrintJob> job;
  const RunOutcome outcome = run.PrintAlignmentPage(
      request, PrintDocumentFor(options.target, job, "alignment-page", run.Paper(request)));
  return ExitStatusOf(outcome, session.Input(), ui);
}

}  // namespace tavrilon::batch
