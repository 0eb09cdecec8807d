#include "labels/LabelRun.h"

#include <optional>

#include "labels/DefaultLabel.h"
#include "print/LaserPRT.h"
#include "session/RunProgress.h"
#include "text/Text.h"

namespace tavrilon::labels {

namespace {

std::optional<long> SkipCount(const std::string& labelSkip) {
  const auto count = text::ParseDecimal(labelSkip);
  if (!count || *count > kMostLabelsToSkip) {
    return std::nullopt;
  }
  return static_cast<long>(*count);
}

}  // namespace

LabelRun::LabelRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui)
    : input_(input), settings_(settings), ui_(ui) {}

bool LabelRun::CheckSheet(std::string_view stock, std::string& labelSkip) {
  const SheetLookup lookup = placement_.LookupLabelSheet(stock, settings_, ui_);
  switch (lookup.status) {
    case SheetLookupStatus::Found:
      break;
    case SheetLookupStatus::NotInCatalogue: {
      std::string message = "The label sheet \"";
      message.append(stock).append("\" is not known. Please choose a label sheet from the list.");
      ui_.ShowMessage(message);
      return false;
    }
    case SheetLookupStatus::CustomNotDefined:
      return false;  // the lookup has said so
    case SheetLookupStatus::CustomIncomplete:
      ui_.ShowMessage(CustomSheetFaultText(*lookup.fault));
      return false;
  }
  if (labelSkip.empty()) {
    labelSkip.assign(1, '0');  // not = "0": GCC 12 warns wrongly of an overlap
  }
  if (!SkipCount(labelSkip)) {
    ui_.ShowMessage("The Number of Labels to skip must be a whole number from 0 to " +
                    std::to_string(kMostLabelsToSkip) + ", not \"" + labelSkip + "\".");
    return false;
  }
  return true;
}

void LabelRun::PrepareLabelSheet(print::PrintSurface& surface, std::string_view face, double size,
                                 long labelsToSkip) {
  surface.SetBold(false);
  surface.SetUnit(print::Unit::Inches);
  surface.SetFontName(face);
  surface.SetFontSize(size);
  placement_.SetPosition({});
  designLabelBegun_ = false;
  for (long skipped = labelsToSkip; skipped > 0; --skipped) {
    placement_.AdvanceLabel(surface);
  }
}

void LabelRun::BeginDesignLabel(print::PrintSurface& surface) {
  ++labelCount_;
  if (designLabelBegun_) {
    placement_.AdvanceLabel(surface);
  }
  designLabelBegun_ = true;
}

adif::InputStatus LabelRun::PrintDefaultLabels(print::PrintSurface& surface, long labelsToSkip) {
  print::LaserPRT::SetOrientation(surface, print::Orientation::Portrait);
  PrepareLabelSheet(surface, kDefaultLabelFace, 8, labelsToSkip);
  RunProgress progress(ui_);
  while (const adif::QsoRecord* qso = input_.NextRecord()) {
    ++labelCount_;
    ui_.SetStatusText("Label " + std::to_string(labelCount_));
    DrawDefaultLabel(surface, qso->fields, placement_.LabelLeft(), placement_.LabelTop());
    placement_.AdvanceLabel(surface);
    progress.Show(input_.Progress());
  }
  progress.Complete();
  return input_.ReadStatus();
}

LabelRunResult LabelRun::PrintLabelRun(const LabelRunRequest& request,
                                       const SurfaceSource& surfaceSource) {
  LabelRunResult result{RunOutcome::Stopped, request.labelSkip};
  labelCount_ = 0;
  ui_.SetStatusText("Printing Labels");

  if (!adif::AdifInput::LogFileExists(request.labelInputFile)) {
    ui_.ShowMessage("Label file does not exist");
    return result;
  }
  if (const adif::InputStatus opened = input_.Open(request.labelInputFile); !opened.Ok()) {
    ui_.ShowMessage("The label file cannot be read: " + opened.detail);
    return result;
  }
  // The log is closed however the run ends.
  struct CloseLog {
    adif::AdifInput& input;
    ~CloseLog() { input.Close(); }
  } closeLog{input_};

  if (const adif::InputStatus started = input_.StartAdifInput(); !started.Ok()) {
    if (started.problem == adif::InputProblem::DictionaryMissing) {
      result.outcome = RunOutcome::DictionaryMissing;
      return result;
    }
    ui_.ShowMessage("The label file cannot be read: " + started.detail);
    return result;
  }

  switch (request.design) {
    case LabelDesign::Default:
      break;
    case LabelDesign::Simple:
    case LabelDesign::Custom1:
    case LabelDesign::Custom2:
    case LabelDesign::Custom3:
      ui_.ShowMessage("Printing with the " +
                      std::string(request.design == LabelDesign::Simple ? "Simple" : "custom") +
                      " label design is not available in this version of Tavrilon yet.");
      return result;
    case LabelDesign::None:
      ui_.ShowMessage("Please select Label Design.");
      return result;
  }
  if (!CheckSheet(request.labelStock, result.labelSkip)) {
    return result;
  }
  print::PrintSurface* surface = surfaceSource();
  if (surface == nullptr) {
    ui_.SetStatusText("Printing Cancelled");
    result.outcome = RunOutcome::Cancelled;
    return result;
  }
  const auto failed = [&](const std::string& message) {
    surface->DiscardDocument();
    ui_.SetStatusText("Printing Failed");
    ui_.ShowMessage(message);
    return result;
  };
  if (!surface->Failure().empty()) {
    return failed("The labels could not be printed: " + surface->Failure());
  }
  const adif::InputStatus read = PrintDefaultLabels(*surface, *SkipCount(result.labelSkip));
  if (!read.Ok()) {
    return failed("The label file could not be read to its end, so nothing was printed: " +
                  read.detail);
  }
  if (labelCount_ == 0) {
    surface->DiscardDocument();
    ui_.SetStatusText("Nothing Printed");
    ui_.ShowMessage("The label file " + request.labelInputFile +
                    " holds no contacts; nothing was printed.");
    return result;
  }
  if (!surface->EndDocument()) {
    return failed("The labels could not be printed: " + surface->Failure());
  }
  ui_.SetStatusText(std::to_string(labelCount_) + " Labels Submitted to the Printer");
  result.outcome = RunOutcome::Completed;
  return result;
}

}  // namespace tavrilon::labels
