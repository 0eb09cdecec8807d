#include "labels/RunPreparation.h"

#include <utility>

#include "sheets/SheetLookup.h"
#include "text/Text.h"

namespace tavrilon::labels {

namespace {

std::optional<long> SkipCount(const std::string& labelSkip) {
  const auto count = text::ParseWholeNumber(labelSkip);
  if (!count || *count > kMostLabelsToSkip) {
    return std::nullopt;
  }
  return static_cast<long>(*count);
}

}  // namespace

std::optional<RunPreparation> PrepareRun(const LabelRunRequest& request, std::string& labelSkip,
                                         RunKind kind, settings::SettingsFile& settings,
                                         sheets::InstalledSheets& installed, UserInterface& ui) {
  sheets::SheetLookup lookup = sheets::FindSheet(request.labelStock, settings, installed);
  if (!lookup.Found()) {
    ui.ShowMessage(sheets::SheetLookupText(request.labelStock, lookup));
    return std::nullopt;
  }
  RunPreparation prepared;
  prepared.sheet = std::move(*lookup.sheet);
  if (labelSkip.empty()) {
    labelSkip.assign(1, '0');  // not = "0": GCC 12 warns wrongly of an overlap
  }
  const std::optional<long> skip = SkipCount(labelSkip);
  if (!skip) {
    ui.ShowMessage("The Number of Labels to skip must be a whole number from 0 to " +
                   std::to_string(kMostLabelsToSkip) + ", not \"" + labelSkip + "\".");
    return std::nullopt;
  }
  prepared.labelsToSkip = *skip;
  if (kind != RunKind::AlignmentPage) {
    prepared.design = designs::CustomDesignNumberOf(request.design);
  }
  if (prepared.design != 0) {
    prepared.renderer.emplace(settings);
    if (const std::string fault = prepared.renderer->LoadDesign(prepared.design); !fault.empty()) {
      ui.ShowMessage(fault);
      return std::nullopt;
    }
  }
  if (kind == RunKind::Print) {
    const print::StoredCalibration stored = print::ReadCalibration(settings, request.printer);
    if (!stored.fault.empty()) {
      ui.ShowMessage(stored.fault);
      return std::nullopt;
    }
    prepared.correction = stored.value;
  }
  return prepared;
}

}  // namespace tavrilon::labels
