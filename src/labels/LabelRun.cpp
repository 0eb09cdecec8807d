#include "labels/LabelRun.h"

#include "labels/DefaultLabel.h"
#include "print/LaserPRT.h"
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

bool LabelRun::PrepareLabelSheet(print::PrintSurface& surface, std::string_view stock,
                                 std::string_view face, double size, std::string& labelSkip) {
  surface.SetBold(false);
  surface.SetUnit(print::Unit::Inches);
  surface.SetFontName(face);
  surface.SetFontSize(size);
  placement_.SetPosition({});
  DesignLabelBegun = false;
  if (!CheckSheet(stock, labelSkip)) {
    return false;
  }
  for (long skipped = *SkipCount(labelSkip); skipped > 0; --skipped) {
    placement_.AdvanceLabel(surface);
  }
  return true;
}

void LabelRun::BeginDesignLabel(print::PrintSurface& surface) {
  if (DesignLabelBegun) {
    ++LabelCount;
    placement_.AdvanceLabel(surface);
  } else {
    DesignLabelBegun = true;
    ++LabelCount;
  }
}

adif::InputStatus LabelRun::PrintDefaultLabels(print::PrintSurface& surface,
                                               const LabelRunChoices& choices,
                                               std::string& labelSkip) {
  print::LaserPRT::SetOrientation(surface, 0);
  PrepareLabelSheet(surface, choices.labelStock, kDefaultLabelFace, 8, labelSkip);
  const adif::InputStatus status = input_.ReadLabelRecords(
      [&] {
        ++LabelCount;
        ui_.SetStatusText("Label " + std::to_string(LabelCount));
        input_.ParseQsoRecord(input_.CurrentLine);
        DrawDefaultLabel(surface, input_.Fields(), placement_.LabelLeft(), placement_.LabelTop());
        placement_.AdvanceLabel(surface);
        input_.CurrentLine.clear();
      },
      [this](int percent) { ui_.SetProgressValue(percent); });
  ui_.SetProgressValue(100);
  return status;
}

LabelRunOutcome LabelRun::PrintLabelRun(const LabelRunChoices& choices, std::string& labelSkip,
                                        const SurfaceSource& surfaceSource) {
  LabelCount = 0;
  LabelLineCounter = 0;
  input_.CharsRead = 0;
  input_.LogFileLength = 0;
  RunLabelStyle = choices.labelStyle;
  ui_.SetStatusText("Printing Labels");
  RunDesign = choices.labelDesign;

  if (!adif::AdifInput::LogFileExists(choices.labelInputFile)) {
    ui_.ShowMessage("Label file does not exist");
    return LabelRunOutcome::Stopped;
  }
  if (const adif::InputStatus opened = input_.Open(choices.labelInputFile); !opened.Ok()) {
    ui_.ShowMessage("The label file cannot be read: " + opened.detail);
    return LabelRunOutcome::Stopped;
  }
  ui_.SetProgressVisible(true);
  ui_.SetProgressValue(0);

  const auto finish = [this](LabelRunOutcome outcome) {
    input_.Close();
    ui_.SetProgressVisible(false);
    return outcome;
  };
  if (const adif::InputStatus started = input_.StartAdifInput(); !started.Ok()) {
    if (started.problem == adif::InputProblem::DictionaryMissing) {
      return finish(LabelRunOutcome::DictionaryMissing);
    }
    ui_.ShowMessage("The label file cannot be read: " + started.detail);
    return finish(LabelRunOutcome::Stopped);
  }

  const std::string design = text::AsciiUpper(RunDesign);
  if (design == "SIMPLE" || design == "CUSTOM1" || design == "CUSTOM2" || design == "CUSTOM3") {
    ui_.ShowMessage("Printing with the " + std::string(design == "SIMPLE" ? "Simple" : "custom") +
                    " label design is not available in this version of Tavrilon yet.");
    return finish(LabelRunOutcome::Stopped);
  }
  if (design != "DEFAULT") {
    ui_.ShowMessage("Please select Label Design.");
    return finish(LabelRunOutcome::Stopped);
  }
  if (!CheckSheet(choices.labelStock, labelSkip)) {
    return finish(LabelRunOutcome::Stopped);
  }
  print::PrintSurface* surface = surfaceSource();
  if (surface == nullptr) {
    ui_.SetStatusText("Printing Cancelled");
    return finish(LabelRunOutcome::Cancelled);
  }
  const auto failed = [&](const std::string& message) {
    surface->DiscardDocument();
    ui_.SetStatusText("Printing Failed");
    ui_.ShowMessage(message);
    return finish(LabelRunOutcome::Stopped);
  };
  if (!surface->Failure().empty()) {
    return failed("The labels could not be printed: " + surface->Failure());
  }
  const adif::InputStatus read = PrintDefaultLabels(*surface, choices, labelSkip);
  input_.Close();
  if (!read.Ok()) {
    return failed("The label file could not be read to its end, so nothing was printed: " +
                  read.detail);
  }
  if (LabelCount == 0) {
    surface->DiscardDocument();
    ui_.SetStatusText("Nothing Printed");
    ui_.ShowMessage("The label file " + choices.labelInputFile +
                    " holds no contacts; nothing was printed.");
    return finish(LabelRunOutcome::Stopped);
  }
  if (!surface->EndDocument()) {
    return failed("The labels could not be printed: " + surface->Failure());
  }
  ui_.SetStatusText(std::to_string(LabelCount) + " Labels Submitted to the Printer");
  return finish(LabelRunOutcome::Printed);
}

}  // namespace tavrilon::labels
