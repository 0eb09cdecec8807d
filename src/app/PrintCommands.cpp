#include "app/PrintCommands.h"

#include <cstdint>
#include <utility>

#include <QLineEdit>
#include <QWidget>

#include "adif/FieldTable.h"
#include "app/BeginLogDialog.h"
#include "app/CalibrateDialog.h"
#include "app/Desktop.h"
#include "app/LogPageDialog.h"
#include "app/PdfDestination.h"
#include "app/PrintPreviewWindow.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "html/HtmlExport.h"
#include "print/PrinterChoice.h"
#include "qt/PreviewImage.h"
#include "qt/PreviewPages.h"
#include "sending/ContactChoice.h"
#include "shell/MainWindowState.h"
#include "shell/Session.h"

namespace tavrilon::app {

PrintCommands::PrintCommands(Session& session, print::PrinterChoice& printers, Desktop& desktop,
                             UserInterface& ui, SortDisplay& sortDisplay, QWidget& window,
                             const shell::MainWindowState& state, LabelRunBoxes boxes,
                             std::function<void()> choosePrinter)
    : session_(session),
      printers_(printers),
      desktop_(desktop),
      ui_(ui),
      window_(window),
      state_(state),
      boxes_(boxes),
      choosePrinter_(std::move(choosePrinter)),
      measureSurface_(measureImage_, qt::kPreviewDotsPerInch),
      labelRun_(session.Input(), session.Settings(), session.LabelSheets(), ui, sortDisplay),
      logbookRun_(session.Input(), session.Settings(), ui, SystemClock()) {
  qt::SetDotsPerInch(measureImage_, qt::kPreviewDotsPerInch);
  labelRun_.MeasureTextsOn(&measureSurface_);
}

bool PrintCommands::PrinterStillToChoose(bool askForPrinter) {
  if (askForPrinter && !print::PrinterChoice::IsPrinterStored(session_.Settings())) {
    choosePrinter_();
    return true;
  }
  return false;
}

bool PrintCommands::PrintLabels(bool askForPrinter) {
  return PrintLabelRun(LabelRequest(), askForPrinter);
}

bool PrintCommands::PrintLabelRun(labels::LabelRunRequest request, bool askForPrinter) {
  if (PrinterStillToChoose(askForPrinter)) {
    return state_.UseQrz;
  }
  if (!ReadDateBoxes(request)) {
    return state_.UseQrz;
  }
  request.keepSent = true;  // "Save Printed Contacts as Sent..." saves them
  std::optional<qt::PrintJob> job;
  const labels::LabelRunResult result = labelRun_.PrintLabelRun(
      request, PrintDocument(job, request.labelInputFile, "labels", labelRun_.Paper(request)));
  boxes_.labelSkip.setText(ToQString(result.labelSkip));
  if (result.outcome == RunOutcome::DictionaryMissing) {
    EndForMissingDictionary();
  }
  return result.useQrz;
}

labels::LabelRunRequest PrintCommands::LabelRequest() const {
  labels::LabelRunRequest request;
  request.labelInputFile = state_.LabelInputFile;
  request.labelStock = state_.LabelStock;
  request.design = state_.LabelDesign;
  request.labelStyle = state_.LabelStyle;
  request.labelSkip = ToUtf8(boxes_.labelSkip.text());
  request.contacts.contacts = state_.contacts;
  request.order = state_.order;
  request.addressPerStation = state_.addressPerStation;
  request.countryFile = state_.countryFile;
  request.useQrz = state_.UseQrz;
  request.printer = printers_.Current();
  return request;
}

bool PrintCommands::ReadDateBoxes(labels::LabelRunRequest& request) {
  const auto readDay = [this](const QLineEdit& box, const char* name,
                              std::optional<std::int64_t>& day) {
    const std::string typed = ToUtf8(box.text().trimmed());
    if (typed.empty()) {
      return true;  // an open end
    }
    day = sending::DayOf(typed);
    if (!day) {
      ui_.ShowMessage("The date \"" + typed + "\" in " + name +
                      " is no day: type it as YYYYMMDD, for example 20240131.");
    }
    return day.has_value();
  };
  sending::ContactChoice& contacts = request.contacts;
  if (!readDay(boxes_.fromDate, "From", contacts.from) ||
      !readDay(boxes_.toDate, "To", contacts.to)) {
    return false;
  }
  if (contacts.from && contacts.to && *contacts.from > *contacts.to) {
    ui_.ShowMessage("The From date " + std::to_string(*contacts.from) +
                    " comes after the To date " + std::to_string(*contacts.to) +
                    ": no contact lies between them.");
    return false;
  }
  return true;
}

labels::LabelRunRequest PrintCommands::EditedDesignRequest() const {
  labels::LabelRunRequest request = LabelRequest();
  request.design = designs::CustomDesignOf(state_.CustomDesignNumber);
  return request;
}

labels::LabelRunRequest PrintCommands::SampleRequest() const {
  labels::LabelRunRequest request = EditedDesignRequest();
  const auto day = [](const QLineEdit& box) {
    return sending::DayOf(ToUtf8(box.text().trimmed()));
  };
  request.contacts.from = day(boxes_.fromDate);
  request.contacts.to = day(boxes_.toDate);
  return request;
}

PrintPreviewWindow* PrintCommands::PreviewLabels(PrintPreviewWindow* shown) {
  labels::LabelRunRequest request = EditedDesignRequest();
  if (!ReadDateBoxes(request)) {
    return shown;
  }
  qt::OpenedPreview opened = qt::OpenPreviewPages(
      labelRun_, request, session_.Settings(), session_.DataFolder() / adif::kDictionaryFileName);
  if (opened.outcome == RunOutcome::DictionaryMissing) {
    EndForMissingDictionary(opened.dictionaryFault);
    return nullptr;
  }
  // Pages that could not be drawn are shown empty, as for a missing log.
  if (shown == nullptr) {
    const auto pictureFault = [this](const std::filesystem::path& file) {
      return qt::PreviewPictureFault(file, EditedDesignRequest(), session_.Settings(),
                                     session_.ProtectedFiles());
    };
    shown = new PrintPreviewWindow(desktop_, previewScale_, pictureFault, &window_);
    QObject::connect(shown, &PrintPreviewWindow::PrintRequested, shown,
                     [this] { PrintLabelRun(EditedDesignRequest(), true); });
  }
  shown->ShowPages(std::move(opened.pages));
  return shown;
}

void PrintCommands::PrintBlankCards(long count) {
  const labels::LabelRunRequest request = EditedDesignRequest();
  std::optional<qt::PrintJob> job;
  const labels::LabelRunResult result = labelRun_.PrintBlankCards(
      request, count,
      PrintDocument(job, request.labelInputFile, "blank cards", labelRun_.Paper(request)));
  boxes_.labelSkip.setText(ToQString(result.labelSkip));
}

void PrintCommands::SaveSentContacts() {
  labels::SentContacts& sent = labelRun_.Sent();
  if (!sent.Ready()) {
    ui_.ShowMessage(labels::kNoContactsToSave);
    return;
  }
  // Asked first: the file dialog that follows is where the user can still cancel.
  const bool bureau = desktop_.AskYesNo(
      &window_, ToQString("Do the cards of these " + std::to_string(sent.Count()) +
                          " contacts go through the QSL bureau?\n\nYes marks them as sent via "
                          "the bureau; No leaves the way they went as the log has it."));
  const auto chosen =
      desktop_.ChooseSaveFile(&window_, QStringLiteral("Save Printed Contacts as Sent"),
                              ToQString(labels::SuggestedSentLogPath(sent.Log()).string()),
                              QStringLiteral("ADIF Files (*.adi *.ADI *.adif *.ADIF)"));
  if (!chosen) {
    return;
  }
  std::filesystem::path target = ToUtf8(*chosen);
  if (!target.has_extension()) {
    target += ".adi";
  }
  if (const labels::SentSaveOutcome saved = sent.Save(target, bureau, session_.ProtectedFiles());
      !saved.saved) {
    ui_.SetStatusText("Saving Failed");
    ui_.ShowMessage(saved.failure);
    return;
  }
  ui_.SetStatusText(std::to_string(sent.Count()) + " contacts saved as sent to " + target.string());
}

print::SurfaceSource PrintCommands::PrintDocument(std::optional<qt::PrintJob>& job,
                                                  const std::string& inputFile,
                                                  std::string_view jobName,
                                                  std::optional<sheets::PaperSize> paper) {
  return [this, &job, inputFile, jobName, paper]() -> print::PrintSurface* {
    const std::string& printer = printers_.Current();
    std::optional<std::filesystem::path> pdf;
    if (printer == print::kPdfPrinterName) {
      pdf = AskPdfDestination(desktop_, &window_, inputFile, jobName, session_.ProtectedFiles());
      if (!pdf) {
        return nullptr;
      }
    }
    return &job.emplace(printer, pdf, jobName, paper).Surface();
  };
}

void PrintCommands::PrintLogbook(logbook::LogMode mode, bool askForPrinter) {
  if (PrinterStillToChoose(askForPrinter)) {
    return;
  }
  logbook::LogbookRequest request = LogbookRequest();
  request.mode = mode;
  if (mode == logbook::LogMode::Part) {
    BeginLogDialog dialog(&window_);
    RunCentred(dialog);
    if (!dialog.Range().RangeChosen) {
      return;
    }
    request.range = dialog.Range();
  } else if (mode == logbook::LogMode::Page) {
    LogPageDialog dialog(&window_);
    RunCentred(dialog);
    if (!dialog.Choice().FromPageMode) {
      return;
    }
    request.startPage = dialog.Choice().StartPage;
  }
  std::optional<qt::PrintJob> job;
  if (logbookRun_.PrintLog(request, PrintDocument(job, request.logInputFile, "logbook",
                                                  std::nullopt)) == RunOutcome::DictionaryMissing) {
    EndForMissingDictionary();
  }
}

logbook::LogbookRequest PrintCommands::LogbookRequest() const {
  logbook::LogbookRequest request;
  request.logInputFile = state_.LogInputFile;
  request.layout = state_.LogLayout;
  request.operatorCall = state_.OperatorCall;
  return request;
}

void PrintCommands::ConvertLogToHtml() {
  if (html::ConvertLogToHtml(session_.Input(), session_.Settings(), ui_, LogbookRequest(),
                             SystemClock(),
                             session_.ProtectedFiles()) == RunOutcome::DictionaryMissing) {
    EndForMissingDictionary();
  }
}

void PrintCommands::CalibratePrinter() {
  const labels::LabelRunRequest request = LabelRequest();
  const print::StoredCalibration stored =
      print::ReadCalibration(session_.Settings(), request.printer);
  const auto printPage = [this, &request] {
    std::optional<qt::PrintJob> job;
    labelRun_.PrintAlignmentPage(
        request,
        PrintDocument(job, request.labelInputFile, "alignment-page", labelRun_.Paper(request)));
  };
  CalibrateDialog dialog(ToQString(request.printer), ToQString(request.labelStock), stored.value,
                         ToQString(stored.fault), printPage, &window_);
  RunCentred(dialog);
  if (!dialog.Chosen()) {
    return;
  }
  if (const std::string fault =
          print::StoreCalibration(session_.Settings(), request.printer, *dialog.Chosen());
      !fault.empty()) {
    ui_.ShowMessage(fault);
    return;
  }
  ui_.SetStatusText("Calibration of " + request.printer + ": " +
                    print::CalibrationText(*dialog.Chosen()));
}

void PrintCommands::EndForMissingDictionary() {
  EndForMissingDictionary(session_.Input().DictionaryFault());
}

void PrintCommands::EndForMissingDictionary(std::string_view fault) {
  ui_.ShowMessage(adif::DictionaryStopText(fault), MessageIcon::Critical);
  window_.close();
  desktop_.EndProgram(2);
}

}  // namespace tavrilon::app
