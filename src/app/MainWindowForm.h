#pragma once

#include <array>
#include <functional>

#include <QCoreApplication>

#include "sheets/SheetDatabase.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tavrilon::app {

class SheetFinder;

// The controls of frmMain, made on the window that owns them: the controls,
// the status bar, the toolbar and the menus, each under the name the design
// gives it. The window wires them and shows its state in them.
struct MainWindowForm {
  Q_DECLARE_TR_FUNCTIONS(MainWindowForm)

 public:
  // `database` is the label database the sheet finder searches.
  MainWindowForm(QMainWindow& window, std::function<const sheets::SheetDatabase&()> database);

  QPushButton* cmdLabelFileName = nullptr;
  QLabel* lblLabelFileName = nullptr;
  QPushButton* cmdLogFileName = nullptr;
  QLabel* lblLogFileName = nullptr;
  std::array<QRadioButton*, 5> designOptions{};  // Default, Simple, Custom 1 to 3
  QButtonGroup* designGroup = nullptr;
  std::array<QRadioButton*, 3> styleOptions{};  // the group's ids are the styles, 1 to 3
  QButtonGroup* styleGroup = nullptr;
  QRadioButton* optLogLayDflt = nullptr;
  QRadioButton* optLogLayCust = nullptr;
  QCheckBox* ckUseQRZ = nullptr;
  QLineEdit* txtQRZDrive = nullptr;
  QPushButton* cmdQRZFolder = nullptr;  // the folder dialog for txtQRZDrive
  QCheckBox* chkAddressPerStation = nullptr;
  QComboBox* cboContacts = nullptr;  // items in the order of sending::Contacts
  QLineEdit* txtFromDate = nullptr;  // the dates are kept in no settings
  QLineEdit* txtToDate = nullptr;
  QComboBox* cboOrder = nullptr;  // items in the order of sending::RunOrder
  QPushButton* cmdCountryFile = nullptr;
  QLabel* lblCountryFile = nullptr;  // the country file in force
  QListWidget* lstAveryLab = nullptr;
  SheetFinder* txtFindSheet = nullptr;  // a sheet of the label database
  QPlainTextEdit* txtLabelInfo = nullptr;
  QLineEdit* txtLabelSkip = nullptr;
  QLabel* statusText = nullptr;
  QProgressBar* progressBar = nullptr;

  QToolButton* cmdPrintLog = nullptr;
  QToolButton* cmdPrintPartLog = nullptr;
  QToolButton* cmdPrintLogPage = nullptr;
  QToolButton* cmdPrintLbl = nullptr;
  QToolButton* cmdCvttoHTML = nullptr;
  QToolButton* cmdExit = nullptr;

  QAction* mnuPrinterSetup = nullptr;
  QAction* mnuExit = nullptr;
  QAction* mnuPrint = nullptr;
  QAction* mnuPrintLogPage = nullptr;
  QAction* mnuPartial = nullptr;
  QAction* mnuQSLlabel = nullptr;
  QAction* mnuPreviewQSL = nullptr;  // the custom design's first sheet on screen
  QAction* mnuInfo = nullptr;
  QAction* mnuCustom_Label_Setup = nullptr;
  std::array<QAction*, 3> designMenus{};  // captioned by the state
  QAction* mnuCustom_Log_Setup = nullptr;
  QAction* mnuCalibratePrinter = nullptr;
  QAction* mnuEditIni = nullptr;
  QAction* mnuCvttoHTML = nullptr;
  QAction* mnuSaveSent = nullptr;  // the last label run's contacts, for the logger
  QAction* mnuHelp = nullptr;
  QAction* mnuAbout = nullptr;

 private:
  void BuildControls(QMainWindow& window, std::function<const sheets::SheetDatabase&()> database);
  // Which contacts print, and in what order.
  QWidget* BuildRunChoices();
  void BuildToolbar(QMainWindow& window);
  void BuildMenus(QMainWindow& window);
};

}  // namespace tavrilon::app
