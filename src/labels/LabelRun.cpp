#include "labels/LabelRun.h"

#include <optional>
#include <utility>

#include "labels/AlignmentPage.h"
#include "labels/CustomLabelPrinter.h"
#include "labels/DefaultLabelPrinter.h"
#include "labels/LabelLoop.h"
#include "labels/RunOrderChoice.h"
#include "labels/SimpleLabelPrinter.h"

namespace tavrilon::labels {

namespace {

// A run's contacts are sent only when they were kept and the run completed,
// whichever way it ends; a run that keeps none forgets those of the last.
struct EndSentContacts {
  SentContacts& sent;
  bool kept;
  const LabelRunResult& result;
  ~EndSentContacts() { sent.End(kept && result.outcome == RunOutcome::Completed); }
};

// Why a run that drew nothing on `onWhat` printed nothing.
std::string NothingDrawnText(const RunPreparation& prepared, const std::string& onWhat,
                             std::string_view because) {
  std::string text = "The design";
  if (prepared.renderer) {
    text = "Custom label design " + std::to_string(prepared.design);
    if (const std::string& name = prepared.renderer->Design().name; !name.empty()) {
      text += " (\"" + name + "\")";
    }
  }
  text += " drew nothing on " + onWhat + ": ";
  text += because;
  text += ". Nothing was printed (no print job, no PDF file).";
  return text;
}

// Why a run printed no label at all.
std::string NoContactsText(const LabelRunRequest& request, std::size_t read) {
  const std::string description = request.contacts.Description();
  if (read == 0 || description.empty()) {
    return "The label file " + request.labelInputFile + " holds no contacts; nothing was printed.";
  }
  return "None of the " + std::to_string(read) + " contacts of the label file " +
         request.labelInputFile + " is chosen (" + description + "); nothing was printed.";
}

}  // namespace

LabelRun::LabelRun(adif::AdifInput& input, settings::SettingsFile& settings,
                   sheets::InstalledSheets& installed, UserInterface& ui, SortDisplay& sortDisplay,
                   Clock clock)
    : input_(input),
      settings_(settings),
      installed_(installed),
      ui_(ui),
      sortDisplay_(sortDisplay),
      // Beside the settings file, where every start removes what a killed run left.
      sent_(std::move(clock), settings.Path().parent_path()) {}

std::unique_ptr<DesignPrinter> LabelRun::MakePrinter(const LabelRunRequest& request,
                                                     RunPreparation& prepared, bool useQrz,
                                                     RunContacts& contacts) {
  if (prepared.renderer) {
    auto custom =
        std::make_unique<CustomLabelPrinter>(prepared.sheet, *prepared.renderer, prepared.design);
    if (measure_ != nullptr &&
        !custom->ConfirmFirstLabel(*measure_, contacts.ReadFirstLabel(), ui_)) {
      return nullptr;
    }
    return custom;
  }
  if (request.design == designs::LabelDesign::Simple) {
    return std::make_unique<SimpleLabelPrinter>(prepared.sheet, request.labelStyle, useQrz,
                                                addresses_, LoadReturnAddress(settings_),
                                                request.addressPerStation);
  }
  return std::make_unique<DefaultLabelPrinter>(prepared.sheet);
}

std::optional<sending::RunOrder> LabelRun::OrderOf(const LabelRunRequest& request,
                                                   const RunPreparation& prepared, bool summary,
                                                   const countries::CountryTable*& table) {
  const sending::RunOrder order = EffectiveRunOrder(
      request.order, prepared.renderer ? prepared.renderer->Design().multiLines : 1);
  const bool bureau = order == sending::RunOrder::Bureau;
  if (!bureau && !summary) {
    table = nullptr;
    return order;
  }
  std::string failure;
  table = countries_.Load(request.countryFile, bureau ? CountryNeed::Bureau : CountryNeed::Summary,
                          failure);
  if (bureau && table == nullptr) {
    ui_.SetStatusText("Nothing Printed");
    ui_.ShowMessage(failure + "\nNothing was printed.");
    return std::nullopt;
  }
  return order;
}

LabelRunResult LabelRun::PrintLabelRun(const LabelRunRequest& request,
                                       const SurfaceSource& surfaceSource) {
  LabelRunResult result;
  result.labelSkip = request.labelSkip;
  result.useQrz = request.useQrz;
  if (request.keepSent) {
    sent_.Begin(request.labelInputFile);
  }
  const EndSentContacts endSent{sent_, request.keepSent, result};
  ui_.SetStatusText("Printing Labels");
  if (request.design == designs::LabelDesign::None) {
    ui_.ShowMessage("Please select Label Design.");
    return result;
  }
  // The settings first: a run that cannot print reads no log and no callbook.
  std::optional<RunPreparation> prepared =
      PrepareRun(request, result.labelSkip, RunKind::Print, settings_, installed_, ui_);
  if (!prepared) {
    return result;
  }
  const countries::CountryTable* countryTable = nullptr;
  const std::optional<sending::RunOrder> order = OrderOf(request, *prepared, true, countryTable);
  if (!order) {
    return result;
  }
  RunContacts contacts(input_, ui_, request.contacts);
  if (const std::optional<RunOutcome> stopped = contacts.Open(request.labelInputFile)) {
    result.outcome = *stopped;
    return result;
  }
  if (request.design == designs::LabelDesign::Simple && request.labelStyle > 1 && result.useQrz) {
    result.useQrz = addresses_.OpenCallbook(settings_, ui_);
    result.mailingLabelsMissing = !result.useQrz;
  }
  if (!contacts.Sort(request.labelInputFile, *order, countryTable, false, sortDisplay_)) {
    return result;
  }
  const std::unique_ptr<DesignPrinter> printer =
      MakePrinter(request, *prepared, result.useQrz, contacts);
  print::PrintSurface* surface = printer ? surfaceSource() : nullptr;
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
  print::ApplyCalibration(*surface, prepared->correction);
  printer->Start(*surface, prepared->labelsToSkip);
  ContactAccounts accounts;
  accounts.sent = request.keepSent ? &sent_ : nullptr;
  accounts.countries = countryTable;
  const std::string fault = PrintEveryContact(*printer, *surface, contacts, accounts, ui_);
  if (!fault.empty()) {
    return failed(fault);
  }
  const int labels = printer->Labels();
  if (labels == 0 || !surface->Drawn()) {
    surface->DiscardDocument();
    ui_.SetStatusText("Nothing Printed");
    ui_.ShowMessage(labels == 0 ? NoContactsText(request, contacts.ContactsRead())
                                : NothingDrawnText(*prepared,
                                                   "the " + std::to_string(labels) + " labels of " +
                                                       request.labelInputFile,
                                                   "its fields are empty or name fields "
                                                   "that these contacts lack"));
    return result;
  }
  if (!surface->EndDocument()) {
    return failed("The labels could not be printed: " + surface->Failure());
  }
  const std::string description = request.contacts.Description();
  result.chosenText = accounts.summary.ChosenText(description);
  result.summaryText = accounts.summary.PrintedText();
  ui_.SetStatusText(std::to_string(labels) + " Labels Submitted to the Printer: " +
                    (description.empty()
                         ? result.summaryText
                         : result.chosenText + ", " + accounts.summary.WhereText()));
  accounts.dates.Tell(ui_);
  result.outcome = RunOutcome::Completed;
  return result;
}

PreviewOpening LabelRun::OpenPreview(const LabelRunRequest& request, adif::AdifInput& reader) {
  ui_.SetStatusText("Printing Labels");
  std::string labelSkip = "0";  // the sheets are shown from their first label
  if (designs::CustomDesignNumberOf(request.design) == 0) {
    return {};
  }
  std::optional<RunPreparation> prepared =
      PrepareRun(request, labelSkip, RunKind::Preview, settings_, installed_, ui_);
  if (!prepared) {
    return {};
  }
  auto sheets = std::make_unique<PreviewRun>(
      std::move(*prepared), reader, request.contacts, ui_,
      [this, request](const RunPreparation& design, RunContacts& contacts) {
        return OpenPreviewContacts(request, design, contacts);
      });
  if (const std::optional<RunOutcome> stopped = sheets->Open()) {
    return {*stopped, nullptr};
  }
  return {RunOutcome::Completed, std::move(sheets)};
}

std::optional<RunOutcome> LabelRun::OpenPreviewContacts(const LabelRunRequest& request,
                                                        const RunPreparation& prepared,
                                                        RunContacts& contacts) {
  const countries::CountryTable* countryTable = nullptr;
  const std::optional<sending::RunOrder> order = OrderOf(request, prepared, false, countryTable);
  if (!order) {
    return RunOutcome::Stopped;
  }
  if (const std::optional<RunOutcome> stopped = contacts.Open(request.labelInputFile)) {
    return stopped;
  }
  if (!contacts.Sort(request.labelInputFile, *order, countryTable, true, sortDisplay_)) {
    return RunOutcome::Stopped;
  }
  return std::nullopt;
}

RunOutcome LabelRun::PreviewLabelPage(const LabelRunRequest& request,
                                      print::PrintSurface& picture) {
  const PreviewOpening opened = OpenPreview(request, input_);
  if (!opened.sheets) {
    return opened.outcome;
  }
  const bool drawn = opened.sheets->DrawSheet(1, picture);
  picture.EndDocument();
  return drawn ? RunOutcome::Completed : RunOutcome::Stopped;
}

LabelRunResult LabelRun::PrintBlankCards(const LabelRunRequest& request, long count,
                                         const SurfaceSource& surfaceSource) {
  LabelRunResult result;
  result.labelSkip = request.labelSkip;
  result.useQrz = request.useQrz;
  if (designs::CustomDesignNumberOf(request.design) == 0) {
    ui_.ShowMessage("Blank cards are printed in a custom label design; please select one.");
    return result;
  }
  std::optional<RunPreparation> prepared =
      PrepareRun(request, result.labelSkip, RunKind::Print, settings_, installed_, ui_);
  if (!prepared) {
    return result;
  }
  print::PrintSurface* surface = surfaceSource();
  if (surface == nullptr) {
    result.outcome = RunOutcome::Cancelled;
    return result;
  }
  designs::DesignRenderer& renderer = *prepared->renderer;
  print::ApplyCalibration(*surface, prepared->correction);
  sheets::LabelPlacement placement(prepared->sheet);
  StartCustomSheet(*surface, renderer, placement, prepared->labelsToSkip);
  for (long card = 0; card < count; ++card) {
    if (!renderer.RenderBlankCard(*surface, placement)) {
      surface->DiscardDocument();
      ui_.ShowMessage(renderer.Failure());
      return result;
    }
  }
  if (!surface->Drawn()) {
    surface->DiscardDocument();
    ui_.ShowMessage(NothingDrawnText(*prepared, "the blank cards",
                                     "it has no fixed text and no picture to print"));
    return result;
  }
  if (!surface->EndDocument()) {
    ui_.ShowMessage("The blank cards could not be printed: " + surface->Failure());
    return result;
  }
  result.outcome = RunOutcome::Completed;
  return result;
}

RunOutcome LabelRun::PrintAlignmentPage(const LabelRunRequest& request,
                                        const SurfaceSource& surfaceSource) {
  std::string labelSkip = "0";
  const std::optional<RunPreparation> prepared =
      PrepareRun(request, labelSkip, RunKind::AlignmentPage, settings_, installed_, ui_);
  if (!prepared) {
    return RunOutcome::Stopped;
  }
  print::PrintSurface* surface = surfaceSource();
  if (surface == nullptr) {
    return RunOutcome::Cancelled;
  }
  if (surface->Failure().empty()) {
    DrawAlignmentPage(*surface, prepared->sheet, request.printer);
  }
  if (!surface->Failure().empty() || !surface->EndDocument()) {
    surface->DiscardDocument();
    ui_.ShowMessage("The alignment page could not be printed: " + surface->Failure());
    return RunOutcome::Stopped;
  }
  ui_.SetStatusText("Alignment Page Submitted to the Printer");
  return RunOutcome::Completed;
}

}  // namespace tavrilon::labels
