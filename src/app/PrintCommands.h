#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <QImage>

#include "labels/LabelRun.h"
#include "logbook/LogbookRun.h"
#include "print/PrintSurface.h"
#include "qt/PrintJob.h"
#include "qt/QtPrintSurface.h"
#include "sheets/LabelSheet.h"

class QLineEdit;
class QWidget;

namespace tavrilon {
class Session;
}
namespace tavrilon::print {
class PrinterChoice;
}
namespace tavrilon::shell {
class MainWindowState;
}

namespace tavrilon::app {

class Desktop;
class PrintPreviewWindow;

// The boxes of frmMain a label run reads, which no settings keep.
struct LabelRunBoxes {
  QLineEdit& labelSkip;  // the count of labels to skip, which a run updates
  const QLineEdit& fromDate;
  const QLineEdit& toDate;
};

// The commands of frmMain that read the log: the labels, the three logbooks
// and the HTML page. They start the runs with the window's choices; the runs
// keep their state here from one command to the next.
class PrintCommands {
 public:
  // `choosePrinter` opens the printer dialog.
  PrintCommands(Session& session, print::PrinterChoice& printers, Desktop& desktop,
                UserInterface& ui, SortDisplay& sortDisplay, QWidget& window,
                const shell::MainWindowState& state, LabelRunBoxes boxes,
                std::function<void()> choosePrinter);
  PrintCommands(const PrintCommands&) = delete;
  PrintCommands& operator=(const PrintCommands&) = delete;

  // "Print QSL Labels": the button first asks for a printer when none is
  // stored; the menu entry does not.
  // Answers whether the callbook is still in use after the run.
  bool PrintLabels(bool askForPrinter);
  // "Preview QSL Labels": the sheets of the label log in the custom design
  // chosen last, from the first, in `shown` or else a new preview window,
  // which is answered; nothing when the program ends for want of a
  // dictionary. A date box that holds no day is said, and `shown` answered
  // as it was. The window's Print prints that design's labels as the print
  // button does.
  PrintPreviewWindow* PreviewLabels(PrintPreviewWindow* shown = nullptr);
  // What a run of the design being edited would print, for the editor's
  // view of its labels: a date box that holds no day is left open, as the
  // run itself says what is wrong with it.
  labels::LabelRunRequest SampleRequest() const;
  // `count` labels of the design being edited with its fixed texts only.
  void PrintBlankCards(long count);
  // "Save Printed Contacts as Sent...": the last label run's contacts, if it
  // completed, to an ADIF file of the user's choice for the logger.
  void SaveSentContacts();
  // The logbook commands: the buttons first ask for a printer when none is
  // stored; "Part" and "Page" first ask for the range or the start page.
  void PrintLogbook(logbook::LogMode mode, bool askForPrinter);
  // "Convert Log to HTML": the page beside the log; no printer is needed.
  void ConvertLogToHtml();
  // "Calibrate Printer": the current printer's correction, measured on its
  // alignment page for the window's stock, stored.
  void CalibratePrinter();

 private:
  // True when the command must wait for the printer dialog instead.
  bool PrinterStillToChoose(bool askForPrinter);
  // The label run of `request` once the date boxes are read into it.
  bool PrintLabelRun(labels::LabelRunRequest request, bool askForPrinter);
  // The label log, stock, design, style, skip box, contacts, order and
  // mailing labels as the window holds them, without the date boxes.
  labels::LabelRunRequest LabelRequest() const;
  // Puts the date boxes' days into `request`; false, after saying why, when
  // a box holds no day or From comes after To.
  bool ReadDateBoxes(labels::LabelRunRequest& request);
  // The same in the custom design chosen last in the SetUp menu.
  labels::LabelRunRequest EditedDesignRequest() const;
  // The log, its layout and the operator's call, as the window holds them.
  logbook::LogbookRequest LogbookRequest() const;
  // The print document of a run, made when the run asks for it: on the PDF
  // printer after asking where the file goes.
  print::SurfaceSource PrintDocument(std::optional<qt::PrintJob>& job, const std::string& inputFile,
                                     std::string_view jobName,
                                     std::optional<sheets::PaperSize> paper);
  // Without the field dictionary nothing can be read: say so and end.
  void EndForMissingDictionary();
  // The same with why the dictionary a reader of its own loaded is unusable.
  void EndForMissingDictionary(std::string_view fault);

  Session& session_;
  print::PrinterChoice& printers_;
  Desktop& desktop_;
  UserInterface& ui_;
  QWidget& window_;
  const shell::MainWindowState& state_;
  LabelRunBoxes boxes_;
  std::function<void()> choosePrinter_;
  // Texts are measured here before a label run prints, as on a screen.
  QImage measureImage_{1, 1, QImage::Format_RGB32};
  qt::QtPrintSurface measureSurface_;
  labels::LabelRun labelRun_;
  logbook::LogbookRun logbookRun_;
  int previewScale_ = 1;  // the preview window's divisor, kept for the program's life
};

}  // namespace tavrilon::app
