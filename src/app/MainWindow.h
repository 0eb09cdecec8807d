#pragma once

#include <QMainWindow>
#include <QPointer>

#include "app/MainWindowForm.h"
#include "app/PrintCommands.h"
#include "app/WindowUserInterface.h"
#include "shell/MainWindowState.h"
#include "shell/Session.h"

namespace tavrilon::print {
class PrinterChoice;
}

namespace tavrilon::app {

class Desktop;
class AboutDialog;
class CustomLabelLayoutWindow;

// frmMain: shows the choices of MainWindowState, turns clicks into its
// handlers and the print commands, and opens the set-up dialogs.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Session& session, print::PrinterChoice& printers, Desktop& desktop,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Reads the stored choices, shows the window, and makes the stored printer
  // current or opens the printer dialog.
  void Start();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Connect();
  // Shows the state in the controls, without running their handlers again.
  void Refresh();
  // Runs a handler, then shows what it changed.
  template <typename Handler>
  void Handle(Handler handler);
  void ReportUnsavedSettings();
  // Looks until the label database has been read, then shows what it changed.
  void WatchLabelSheets();

  // Opens a set-up dialog of which only one may be open: an open one is raised.
  template <typename Dialog, typename... Args>
  void OpenSetUpDialog(QPointer<QWidget>& slot, Args&&... args);
  void ChooseInputFile(bool labels);
  void ChooseQrzFolder();
  void ChooseCountryFile();
  // A label run; the callbook stays out of later runs when it found none.
  void PrintLabels(bool askForPrinter);
  void OpenPrinterDialog();
  void OpenInfoDialog();
  void OpenCustomSheetDialog();
  void OpenCustomLogDialog();
  void OpenDesignEditor(int design);
  // The printer dialog, until it is closed.
  void ChoosePrinterAndWait();
  void OpenAboutBox();
  void EditSettingsFile();
  void OpenHelp();

  Session& session_;
  print::PrinterChoice& printers_;
  Desktop& desktop_;
  MainWindowForm form_;
  WindowUserInterface ui_;
  shell::MainWindowState state_;
  PrintCommands commands_;
  QPointer<QWidget> printerDialog_;
  QPointer<QWidget> infoDialog_;
  QPointer<QWidget> customSheetDialog_;
  QPointer<QWidget> customLogDialog_;
  QPointer<AboutDialog> aboutBox_;
  QPointer<CustomLabelLayoutWindow> designEditor_;
};

}  // namespace tavrilon::app
