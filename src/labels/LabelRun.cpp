#include "labels/LabelRun.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "adif/SortedCopy.h"
#include "designs/DefaultLabel.h"
#include "designs/LabelFit.h"
#include "labels/AlignmentPage.h"
#include "labels/LabelLogSort.h"
#include "print/LaserPRT.h"
#include "session/RunProgress.h"
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

// Contacts with a date that is no date named after a run; the rest counted.
constexpr std::size_t kDatesNamed = 5;

// The log is closed however the run ends.
struct CloseLog {
  adif::AdifInput& input;
  ~CloseLog() { input.Close(); }
};

// A run's contacts are sent only when they were kept and the run completed,
// whichever way it ends; a run that keeps none forgets those of the last.
struct EndSentContacts {
  SentContacts& sent;
  bool kept;
  const LabelRunResult& result;
  ~EndSentContacts() { sent.End(kept && result.outcome == RunOutcome::Completed); }
};

}  // namespace

// The contacts of a custom run: the records sorted in memory, each parsed
// again, or the log as the reader goes through it.
class RunContacts {
 public:
  RunContacts(adif::AdifInput& input, const adif::SortRecords* sorted)
      : input_(input), sorted_(sorted) {}

  const adif::QsoRecord* Next() {
    if (aheadNext_ < ahead_.size()) {
      text_ = ahead_[aheadNext_++];
      return input_.TakeRecord(text_);
    }
    const adif::QsoRecord* qso = ReadNext();
    if (qso != nullptr) {
      text_ = ReadText();
    }
    return qso;
  }
  // The contact Next handed on last, as the log holds it.
  std::string_view Text() const { return text_; }
  adif::ReadProgress Progress() const {
    return sorted_ == nullptr ? input_.Progress() : adif::ReadProgress{done_, sorted_->TextSize()};
  }

  // The contacts of the first label, read ahead: Next() hands them on again.
  designs::LabelSample ReadFirstLabel() {
    designs::LabelSample sample;
    while (const adif::QsoRecord* qso = ReadNext()) {
      ahead_.emplace_back(ReadText());
      if (!designs::SharesFirstLabel(sample.contacts, qso->fields)) {
        break;
      }
      sample.contacts.push_back(qso->fields);
    }
    return sample;
  }

 private:
  const adif::QsoRecord* ReadNext() {
    if (sorted_ == nullptr) {
      return input_.NextRecord();
    }
    if (next_ == sorted_->Count()) {
      return nullptr;
    }
    const std::string_view text = sorted_->Record(next_++);
    done_ += static_cast<std::int64_t>(text.size());
    return input_.TakeRecord(text);
  }
  // The record ReadNext handed on last, as the log holds it.
  std::string_view ReadText() const {
    return sorted_ == nullptr ? input_.RecordBytes() : sorted_->Record(next_ - 1);
  }

  adif::AdifInput& input_;
  const adif::SortRecords* sorted_;
  std::size_t next_ = 0;
  std::int64_t done_ = 0;
  std::vector<std::string> ahead_;
  std::size_t aheadNext_ = 0;
  std::string_view text_;
};

LabelRun::LabelRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui,
                   SortDisplay& sortDisplay, Clock clock)
    : input_(input),
      settings_(settings),
      ui_(ui),
      sortDisplay_(sortDisplay),
      renderer_(settings),
      // Beside the settings file, where every start removes what a killed run left.
      sent_(std::move(clock), settings.Path().parent_path()) {}

bool LabelRun::CheckSheet(std::string_view stock, std::string& labelSkip) {
  sheets::SheetLookup lookup = sheets::FindSheet(stock, settings_);
  if (!lookup.Found()) {
    ui_.ShowMessage(sheets::SheetLookupText(stock, lookup));
    return false;
  }
  placement_ = sheets::LabelPlacement(std::move(*lookup.sheet));
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

std::optional<print::Calibration> LabelRun::StoredCorrection(std::string_view printer) {
  print::StoredCalibration stored = print::ReadCalibration(settings_, printer);
  if (!stored.fault.empty()) {
    ui_.ShowMessage(stored.fault);
    return std::nullopt;
  }
  return stored.value;
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

std::string LabelRun::ReadFault() const {
  const adif::InputStatus read = input_.ReadStatus();
  return read.Ok() ? std::string()
                   : "The label file could not be read to its end, so nothing was printed: " +
                         read.detail;
}

std::string LabelRun::PrintDefaultLabels(print::PrintSurface& surface, long labelsToSkip) {
  print::LaserPRT::SetOrientation(surface, print::Orientation::Portrait);
  PrepareLabelSheet(surface, designs::kDefaultLabelFace, 8, labelsToSkip);
  RunProgress progress(ui_);
  while (const adif::QsoRecord* qso = input_.NextRecord()) {
    ++labelCount_;
    ui_.SetStatusText("Label " + std::to_string(labelCount_));
    CheckDate(*qso);
    designs::DrawDefaultLabel(surface, qso->fields, placement_.LabelLeft(), placement_.LabelTop());
    KeepSent(input_.RecordBytes());
    placement_.AdvanceLabel(surface);
    progress.Show(input_.Progress().Percent());
  }
  progress.Complete();
  return ReadFault();
}

std::string LabelRun::PrintSimpleLabels(print::PrintSurface& surface, long labelsToSkip, int style,
                                        bool useQrz) {
  // The orientation is left as the document has it.
  PrepareLabelSheet(surface, designs::kDefaultLabelFace, 8, labelsToSkip);
  RunProgress progress(ui_);
  while (const adif::QsoRecord* qso = input_.NextRecord()) {
    CheckDate(*qso);
    PrintAddressLabels(surface, qso->fields, style, useQrz);
    KeepSent(input_.RecordBytes());
    progress.Show(input_.Progress().Percent());
  }
  progress.Complete();
  return ReadFault();
}

void LabelRun::PrintAddressLabels(print::PrintSurface& surface, const adif::FieldTable& fields,
                                  int style, bool useQrz) {
  const designs::LabelLines qsl = designs::BuildSimpleQslLines(fields);
  designs::LabelLines mailing;
  // Each label printed counts, not the contact: a style 3 contact is three.
  const auto printLabel = [&](const designs::LabelLines& lines) {
    ++labelCount_;
    ui_.SetStatusText("Label " + std::to_string(labelCount_));
    designs::PrintLabelLines(surface, placement_, lines);
  };
  for (const designs::StyleStep step : designs::StyleSteps(style, useQrz)) {
    switch (step) {
      case designs::StyleStep::QslLabel:
        printLabel(qsl);
        break;
      case designs::StyleStep::LookUp:
        mailing = addresses_.LookupMailingAddress(
            text::AsciiUpper(text::TrimBlanks(fields.StandardValue(adif::StandardField::Call))));
        break;
      case designs::StyleStep::MailingLabel:
        printLabel(mailing);
        break;
      case designs::StyleStep::ReturnLabel:
        printLabel(returnLines_);
        break;
    }
  }
}

std::optional<adif::SortRecords> LabelRun::LoadSortedLog(const std::string& labelInputFile,
                                                         bool numbered) {
  adif::SortRecords records;
  // The bar stays up through the sort, which shows its own progress on it.
  RunProgress progress(ui_);
  if (!numbered) {
    ui_.SetStatusText("Loading Log File ");
  }
  int shownPercent = -1;
  const auto showCount = [&] {
    ui_.SetStatusText("Loading Log File " + std::to_string(records.Count()));
  };
  while (const adif::QsoRecord* qso = input_.NextRecord()) {
    records.Add(qso->fields.StandardValue(adif::StandardField::Call), input_.RecordBytes());
    // The count once a percent: a text per record of a large log only slows it.
    const adif::ReadProgress read = input_.Progress();
    if (numbered && read.Percent() != shownPercent) {
      shownPercent = read.Percent();
      showCount();
    }
    progress.Show(read.Percent());
  }
  if (numbered) {
    showCount();
  }
  input_.Close();
  if (const std::string fault = ReadFault(); !fault.empty()) {
    ui_.ShowMessage(fault);
    return std::nullopt;
  }
  const SortOutcome sorted =
      SortLabelLog(records, adif::SortedFilePath(labelInputFile), ui_, sortDisplay_);
  if (!sorted.written) {
    ui_.SetStatusText("Printing Failed");
    ui_.ShowMessage(sorted.failure + "\nNothing was printed.");
    return std::nullopt;
  }
  return records;
}

bool LabelRun::ConfirmDesignFits(int design, RunContacts& contacts) {
  if (measure_ == nullptr) {
    return true;
  }
  // A copy, so the label in progress stays as it is; the run's design all the same.
  designs::DesignRenderer measuring = renderer_;
  std::string failure;  // the run itself reports a design that cannot be drawn
  const auto overflow =
      designs::FirstOverflow(designs::DrawFirstLabel(measuring, *measure_, design,
                                                     contacts.ReadFirstLabel(), 0, 0, failure),
                             placement_.Sheet());
  return !overflow || ui_.AskYesNo(designs::OverflowText(design, measuring.Design().name, *overflow,
                                                         placement_.Sheet()) +
                                   "\nPrint the labels all the same?");
}

std::string LabelRun::PrintCustomLabels(print::PrintSurface& surface, long labelsToSkip,
                                        RunContacts& contacts) {
  labelCount_ = 0;
  print::LaserPRT::SetOrientation(surface, renderer_.Design().orientation);
  PrepareLabelSheet(surface, designs::kDefaultLabelFace, 8, labelsToSkip);
  const auto beginLabel = [this, &surface] { BeginDesignLabel(surface); };
  RunProgress progress(ui_);
  while (const adif::QsoRecord* qso = contacts.Next()) {
    CheckDate(*qso);
    // The label in progress: the renderer decides whether the contact starts one.
    if (!renderer_.RenderDesignQso(surface, qso->fields, placement_, beginLabel)) {
      return renderer_.Failure();
    }
    KeepSent(contacts.Text());
    ui_.SetStatusText("Label " + std::to_string(labelCount_));
    progress.Show(contacts.Progress().Percent());
  }
  progress.Complete();
  return ReadFault();
}

LabelRun::OpenedLog LabelRun::OpenLabelLog(const std::string& labelInputFile) {
  if (!adif::AdifInput::LogFileExists(labelInputFile)) {
    ui_.ShowMessage("Label file does not exist");
    return OpenedLog::Stopped;
  }
  if (const adif::InputStatus opened = input_.Open(labelInputFile); !opened.Ok()) {
    ui_.ShowMessage("The label file cannot be read: " + opened.detail);
    return OpenedLog::Stopped;
  }
  if (const adif::InputStatus started = input_.StartAdifInput(); !started.Ok()) {
    input_.Close();
    if (started.problem == adif::InputProblem::DictionaryMissing) {
      return OpenedLog::DictionaryMissing;
    }
    ui_.ShowMessage("The label file cannot be read: " + started.detail);
    return OpenedLog::Stopped;
  }
  return OpenedLog::Open;
}

void LabelRun::CheckDate(const adif::QsoRecord& qso) {
  if (!qso.dateUnreadable || ++unreadableDates_ > kDatesNamed) {
    return;
  }
  if (!unreadableNamed_.empty()) {
    unreadableNamed_ += ", ";
  }
  unreadableNamed_ += text::TrimBlanks(qso.fields.StandardValue(adif::StandardField::Call));
  unreadableNamed_ += " (";
  unreadableNamed_ += qso.fields.StandardValue(adif::StandardField::QsoDate);
  unreadableNamed_ += ')';
}

void LabelRun::TellUnreadableDates() {
  if (unreadableDates_ == 0) {
    return;
  }
  const std::size_t named = std::min(unreadableDates_, kDatesNamed);
  std::string text = std::to_string(unreadableDates_) +
                     (unreadableDates_ == 1 ? " contact has a QSO_DATE that is no date"
                                            : " contacts have a QSO_DATE that is no date") +
                     ", printed as it stands: " + unreadableNamed_;
  if (unreadableDates_ > named) {
    text += " and " + std::to_string(unreadableDates_ - named) + " more";
  }
  ui_.ShowMessage(text + ".");
}

std::string LabelRun::NothingDrawnText(int design, const std::string& onWhat,
                                       std::string_view because) const {
  std::string text = "The design";
  if (design != 0) {
    text = "Custom label design " + std::to_string(design);
    if (const std::string& name = renderer_.Design().name; !name.empty()) {
      text += " (\"" + name + "\")";
    }
  }
  text += " drew nothing on " + onWhat + ": ";
  text += because;
  text += ". Nothing was printed (no print job, no PDF file).";
  return text;
}

bool LabelRun::CheckDesign(int design) {
  if (const std::string fault = renderer_.LoadDesign(design); !fault.empty()) {
    ui_.ShowMessage(fault);
    return false;
  }
  return true;
}

LabelRunResult LabelRun::PrintLabelRun(const LabelRunRequest& request,
                                       const SurfaceSource& surfaceSource) {
  LabelRunResult result{RunOutcome::Stopped, request.labelSkip, request.useQrz};
  keepSent_ = request.keepSent;
  if (keepSent_) {
    sent_.Begin(request.labelInputFile);
  }
  const EndSentContacts endSent{sent_, keepSent_, result};
  labelCount_ = 0;
  renderer_.Reset();
  unreadableDates_ = 0;
  unreadableNamed_.clear();
  ui_.SetStatusText("Printing Labels");
  returnLines_ = LoadReturnAddress(settings_);
  if (request.labelStyle > 1 && result.useQrz) {
    result.useQrz = addresses_.OpenCallbook(settings_, ui_);
    result.mailingLabelsMissing = request.design == designs::LabelDesign::Simple && !result.useQrz;
  }

  switch (OpenLabelLog(request.labelInputFile)) {
    case OpenedLog::Open:
      break;
    case OpenedLog::Stopped:
      return result;
    case OpenedLog::DictionaryMissing:
      result.outcome = RunOutcome::DictionaryMissing;
      return result;
  }
  const CloseLog closeLog{input_};

  const int design = designs::CustomDesignNumberOf(request.design);
  switch (request.design) {
    case designs::LabelDesign::Default:
    case designs::LabelDesign::Simple:
    case designs::LabelDesign::Custom1:
    case designs::LabelDesign::Custom2:
    case designs::LabelDesign::Custom3:
      break;
    case designs::LabelDesign::None:
      ui_.ShowMessage("Please select Label Design.");
      return result;
  }
  if (!CheckSheet(request.labelStock, result.labelSkip) || (design != 0 && !CheckDesign(design))) {
    return result;
  }
  const std::optional<print::Calibration> correction = StoredCorrection(request.printer);
  if (!correction) {
    return result;
  }
  std::optional<adif::SortRecords> sorted;
  // CheckDesign has read the design the run prints.
  if (design != 0 && (request.sortFile || renderer_.Design().multiLines > 1)) {
    sorted = LoadSortedLog(request.labelInputFile, false);
    if (!sorted) {
      return result;
    }
  }
  RunContacts contacts(input_, sorted ? &*sorted : nullptr);
  print::PrintSurface* surface =
      design == 0 || ConfirmDesignFits(design, contacts) ? surfaceSource() : nullptr;
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
  print::ApplyCalibration(*surface, *correction);
  const long skip = *SkipCount(result.labelSkip);
  const std::string fault =
      request.design == designs::LabelDesign::Default ? PrintDefaultLabels(*surface, skip)
      : request.design == designs::LabelDesign::Simple
          ? PrintSimpleLabels(*surface, skip, request.labelStyle, result.useQrz)
          : PrintCustomLabels(*surface, skip, contacts);
  if (!fault.empty()) {
    return failed(fault);
  }
  if (labelCount_ == 0 || !surface->Drawn()) {
    surface->DiscardDocument();
    ui_.SetStatusText("Nothing Printed");
    ui_.ShowMessage(labelCount_ == 0 ? "The label file " + request.labelInputFile +
                                           " holds no contacts; nothing was printed."
                                     : NothingDrawnText(design,
                                                        "the " + std::to_string(labelCount_) +
                                                            " labels of " + request.labelInputFile,
                                                        "its fields are empty or name fields "
                                                        "that these contacts lack"));
    return result;
  }
  if (!surface->EndDocument()) {
    return failed("The labels could not be printed: " + surface->Failure());
  }
  ui_.SetStatusText(std::to_string(labelCount_) + " Labels Submitted to the Printer");
  TellUnreadableDates();
  result.outcome = RunOutcome::Completed;
  return result;
}

RunOutcome LabelRun::PreviewLabelPage(const LabelRunRequest& request,
                                      print::PrintSurface& picture) {
  renderer_.Reset();
  unreadableDates_ = 0;
  unreadableNamed_.clear();
  labelCount_ = 0;
  ui_.SetStatusText("Printing Labels");
  const int design = designs::CustomDesignNumberOf(request.design);
  switch (OpenLabelLog(request.labelInputFile)) {
    case OpenedLog::Open:
      break;
    case OpenedLog::Stopped:
      return RunOutcome::Stopped;
    case OpenedLog::DictionaryMissing:
      return RunOutcome::DictionaryMissing;
  }
  const CloseLog closeLog{input_};
  std::string labelSkip = "0";  // the picture shows the sheet from its first label
  if (design == 0 || !CheckSheet(request.labelStock, labelSkip) || !CheckDesign(design)) {
    return RunOutcome::Stopped;
  }
  const designs::CustomLabelDesign& read = renderer_.Design();
  std::optional<adif::SortRecords> sorted;
  if (read.multiLines > 1) {
    sorted = LoadSortedLog(request.labelInputFile, true);
    if (!sorted) {
      return RunOutcome::Stopped;
    }
  }
  print::LaserPRT::SetOrientation(picture, read.orientation);
  PrepareLabelSheet(picture, designs::kDefaultLabelFace, 8, 0);
  RunProgress progress(ui_);
  RunContacts contacts(input_, sorted ? &*sorted : nullptr);
  std::size_t number = 0;
  bool drawn = true;
  while (drawn && !renderer_.PageFull()) {
    const adif::QsoRecord* qso = contacts.Next();
    if (qso == nullptr) {
      break;
    }
    ui_.SetStatusText("Label " + std::to_string(++number));
    CheckDate(*qso);
    drawn = renderer_.RenderDesignPreview(picture, qso->fields, placement_);
    progress.Show(contacts.Progress().Percent());
  }
  progress.Complete();
  picture.EndDocument();
  std::string fault = drawn ? ReadFault() : renderer_.Failure();
  if (!fault.empty()) {
    ui_.ShowMessage(fault);
    return RunOutcome::Stopped;
  }
  TellUnreadableDates();
  return RunOutcome::Completed;
}

LabelRunResult LabelRun::PrintBlankCards(const LabelRunRequest& request, long count,
                                         const SurfaceSource& surfaceSource) {
  LabelRunResult result{RunOutcome::Stopped, request.labelSkip, request.useQrz};
  labelCount_ = 0;
  const int design = designs::CustomDesignNumberOf(request.design);
  if (design == 0) {
    ui_.ShowMessage("Blank cards are printed in a custom label design; please select one.");
    return result;
  }
  if (!CheckSheet(request.labelStock, result.labelSkip) || !CheckDesign(design)) {
    return result;
  }
  const std::optional<print::Calibration> correction = StoredCorrection(request.printer);
  if (!correction) {
    return result;
  }
  print::PrintSurface* surface = surfaceSource();
  if (surface == nullptr) {
    result.outcome = RunOutcome::Cancelled;
    return result;
  }
  print::ApplyCalibration(*surface, *correction);
  print::LaserPRT::SetOrientation(*surface, renderer_.Design().orientation);
  PrepareLabelSheet(*surface, designs::kDefaultLabelFace, 8, *SkipCount(result.labelSkip));
  for (long card = 0; card < count; ++card) {
    if (!renderer_.RenderBlankCard(*surface, placement_)) {
      surface->DiscardDocument();
      ui_.ShowMessage(renderer_.Failure());
      return result;
    }
  }
  if (!surface->Drawn()) {
    surface->DiscardDocument();
    ui_.ShowMessage(NothingDrawnText(design, "the blank cards",
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
  if (!CheckSheet(request.labelStock, labelSkip)) {
    return RunOutcome::Stopped;
  }
  print::PrintSurface* surface = surfaceSource();
  if (surface == nullptr) {
    return RunOutcome::Cancelled;
  }
  if (surface->Failure().empty()) {
    DrawAlignmentPage(*surface, placement_.Sheet(), request.printer);
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
