#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "labels/LabelRun.h"
#include "logbook/LogbookRun.h"
#include "qt/PrintJob.h"
#include "session/Session.h"
#include "session/UserInterface.h"
#include "shell/MainWindowState.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tavrilon::print {
class PrinterChoice;
}

namespace tavrilon::app {

class Desktop;
class AboutDialog;

// frmMain: shows the choices of MainWindowState, turns clicks into its
// handlers, starts the commands, and is the user interface the runs report to.
class MainWindow : public QMainWindow, public UserInterface {
  Q_OBJECT

 public:
  MainWindow(Session& session, print::PrinterChoice& printers, Desktop& desktop,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Reads the stored choices, shows the window, and makes the stored printer
  // current or opens the printer dialog.
  void Start();

  // UserInterface
  void SetStatusText(std::string_view text) override;
  void SetProgressVisible(bool visible) override;
  void SetProgressValue(int percent) override;
  void ShowMessage(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title) override;
  void LetPendingEventsRun() override;

  const shell::MainWindowState& State() const { return state_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildToolbar();
  void BuildMenus();
  void Connect();
  // Shows the state in the controls, without running their handlers again.
  void Refresh();
  // Runs a handler, then shows what it changed.
  template <typename Handler>
  void Handle(Handler handler);
  void ReportUnsavedSettings();

  void ChooseInputFile(bool labels);
  void OpenPrinterDialog();
  void OpenInfoDialog();
  void OpenCustomSheetDialog();
  void OpenCustomLogDialog();
  void OpenAboutBox();
  void EditDesign(int design);
  void EditSettingsFile();
  void OpenHelp();
  void ExitProgram();
  // "Print QSL Labels": the button first asks for a printer when none is
  // stored; the menu entry does not.
  void PrintLabels(bool askForPrinter);
  // "Convert Log to HTML": the page beside the log; no printer is needed.
  void ConvertLogToHtml();
  // Without the field dictionary nothing can be read: say so and end.
  void EndForMissingDictionary();
  // The logbook commands: the buttons first ask for a printer when none is
  // stored; "Part" and "Page" first ask for the range or the start page.
  void PrintLogbook(logbook::LogMode mode, bool askForPrinter);
  // The log, its layout and the operator's call, as the window holds them.
  logbook::LogbookRequest LogbookRequest() const;
  // The print document of a run, made when the run asks for it: on the PDF
  // printer after asking where the file goes.
  print::SurfaceSource PrintDocument(std::optional<qt::PrintJob>& job, const std::string& inputFile,
                                     std::string_view jobName, std::optional<labels::Paper> paper);

  Session& session_;
  print::PrinterChoice& printers_;
  Desktop& desktop_;
  shell::MainWindowState state_;
  labels::LabelRun labelRun_;
  logbook::LogbookRun logbookRun_;

  QPushButton* cmdLabelFileName_ = nullptr;
  QLabel* lblLabelFileName_ = nullptr;
  QPushButton* cmdLogFileName_ = nullptr;
  QLabel* lblLogFileName_ = nullptr;
  std::array<QRadioButton*, 5> designOptions_{};  // Default, Simple, Custom 1 to 3
  QButtonGroup* designGroup_ = nullptr;
  std::array<QRadioButton*, 3> styleOptions_{};
  QButtonGroup* styleGroup_ = nullptr;
  QRadioButton* optLogLayDflt_ = nullptr;
  QRadioButton* optLogLayCust_ = nullptr;
  QCheckBox* ckUseQRZ_ = nullptr;
  QLineEdit* txtQRZDrive_ = nullptr;
  QCheckBox* chkSortFile_ = nullptr;
  QListWidget* lstAveryLab_ = nullptr;
  QPlainTextEdit* txtLabelInfo_ = nullptr;
  QLineEdit* txtLabelSkip_ = nullptr;
  QToolButton* cmdPrintLog_ = nullptr;
  QToolButton* cmdPrintPartLog_ = nullptr;
  QToolButton* cmdPrintLogPage_ = nullptr;
  QToolButton* cmdPrintLbl_ = nullptr;
  QToolButton* cmdCvttoHTML_ = nullptr;
  QToolButton* cmdExit_ = nullptr;
  QLabel* statusText_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  std::array<QAction*, 3> designMenus_{};
  QPointer<QWidget> printerDialog_;
  QPointer<QWidget> infoDialog_;
  QPointer<QWidget> customSheetDialog_;
  QPointer<QWidget> customLogDialog_;
  QPointer<AboutDialog> aboutBox_;
};

}  // namespace tavrilon::app
