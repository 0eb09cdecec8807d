#include "app/MainWindow.h"

#include <chrono>
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "app/AboutDialog.h"
#include "app/CustomLabelLayoutWindow.h"
#include "app/CustomLabelSheetDialog.h"
#include "app/CustomLogDialog.h"
#include "app/Desktop.h"
#include "app/InfoInputDialog.h"
#include "app/Pictures.h"
#include "app/QtText.h"
#include "app/SelectPrinterDialog.h"
#include "app/SheetFinder.h"
#include "app/WindowPlacement.h"
#include "countries/CountryTable.h"
#include "print/PrinterChoice.h"
#include "version/VersionString.h"

namespace tavrilon::app {

namespace {

using designs::LabelDesign;

// How often the window looks whether the label database has been read.
constexpr std::chrono::milliseconds kLabelSheetsLook{20};

constexpr LabelDesign kDesignOptions[] = {LabelDesign::Default, LabelDesign::Simple,
                                          LabelDesign::Custom1, LabelDesign::Custom2,
                                          LabelDesign::Custom3};

// The stock description breaks between its entries only: Qt's line breaking
// would part "LM: .15" after the point, and a name from its value.
QString EntriesKeptWhole(QString description) {
  static const QRegularExpression pointBeforeDigit(QStringLiteral("\\.(?=\\d)"));
  description.replace(QStringLiteral(": "), QStringLiteral(":") + QChar(0x00A0));
  description.replace(pointBeforeDigit, QStringLiteral(".") + QChar(0x2060));
  return description;
}

// The country file bureau order reads: the one chosen, else the system's.
std::string CountryFileInForce(const std::string& chosen) {
  return chosen.empty() ? std::string(countries::kSystemCountryFile) : chosen;
}

}  // namespace

MainWindow::MainWindow(Session& session, print::PrinterChoice& printers, Desktop& desktop,
                       QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      printers_(printers),
      desktop_(desktop),
      form_(*this,
            [&session]() -> const sheets::SheetDatabase& {
              return session.LabelSheets().Database();
            }),
      ui_(*this, *form_.statusText, *form_.progressBar, desktop),
      state_(session.Settings(), session.LabelSheets(), ui_),
      commands_(session, printers, desktop, ui_, ui_, *this, state_,
                {*form_.txtLabelSkip, *form_.txtFromDate, *form_.txtToDate},
                [this] { OpenPrinterDialog(); }) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowIcon(PictureIcon(Picture::Program));
  Connect();
}

MainWindow::~MainWindow() = default;

template <typename Handler>
void MainWindow::Handle(Handler handler) {
  handler();
  Refresh();
  ReportUnsavedSettings();
}

template <typename Dialog, typename... Args>
void MainWindow::OpenSetUpDialog(QPointer<QWidget>& slot, Args&&... args) {
  if (slot == nullptr) {
    auto* dialog = new Dialog(std::forward<Args>(args)...);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();
    CentreWindow(*dialog);
    // What it applied is in force at once, not at the next start.
    connect(dialog, &QDialog::finished, this,
            [this] { Handle([this] { state_.ReadAppliedSettings(); }); });
    slot = dialog;
  }
  slot->show();
  slot->raise();
  slot->activateWindow();
}

void MainWindow::Connect() {
  using logbook::LogMode;
  const MainWindowForm& f = form_;
  connect(f.cmdLabelFileName, &QPushButton::clicked, this, [this] { ChooseInputFile(true); });
  connect(f.cmdLogFileName, &QPushButton::clicked, this, [this] { ChooseInputFile(false); });
  for (std::size_t i = 0; i < f.designOptions.size(); ++i) {
    connect(f.designOptions[i], &QRadioButton::clicked, this,
            [this, i] { Handle([this, i] { state_.SelectLabelDesign(kDesignOptions[i]); }); });
  }
  for (std::size_t i = 0; i < f.styleOptions.size(); ++i) {
    connect(f.styleOptions[i], &QRadioButton::clicked, this,
            [this, i] { Handle([this, i] { state_.SelectLabelStyle(static_cast<int>(i) + 1); }); });
  }
  connect(f.optLogLayDflt, &QRadioButton::clicked, this,
          [this] { Handle([this] { state_.SelectLogLayout(logbook::LogLayout::Default); }); });
  connect(f.optLogLayCust, &QRadioButton::clicked, this,
          [this] { Handle([this] { state_.SelectLogLayout(logbook::LogLayout::Custom); }); });
  connect(f.ckUseQRZ, &QCheckBox::clicked, this,
          [this](bool checked) { Handle([this, checked] { state_.SetUseQrz(checked); }); });
  connect(f.txtQRZDrive, &QLineEdit::textEdited, this, [this](const QString& folder) {
    Handle([this, &folder] { state_.SetQrzFolder(ToUtf8(folder)); });
  });
  connect(f.cmdQRZFolder, &QPushButton::clicked, this, &MainWindow::ChooseQrzFolder);
  connect(f.chkAddressPerStation, &QCheckBox::clicked, this, [this](bool checked) {
    Handle([this, checked] { state_.SetAddressPerStation(checked); });
  });
  connect(f.cboContacts, &QComboBox::currentIndexChanged, this, [this](int index) {
    Handle([this, index] { state_.SelectContacts(static_cast<sending::Contacts>(index)); });
  });
  connect(f.cboOrder, &QComboBox::currentIndexChanged, this, [this](int index) {
    Handle([this, index] { state_.SelectOrder(static_cast<sending::RunOrder>(index)); });
  });
  connect(f.cmdCountryFile, &QPushButton::clicked, this, &MainWindow::ChooseCountryFile);
  connect(f.lstAveryLab, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) {
      Handle([this, row] { state_.SelectLabelStock(static_cast<std::size_t>(row)); });
    }
  });
  // A click on the list's entry in force, after a database sheet, picks it again.
  connect(f.lstAveryLab, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = form_.lstAveryLab->row(item);
    if (row >= 0 && !state_.databaseSheet.empty()) {
      Handle([this, row] { state_.SelectLabelStock(static_cast<std::size_t>(row)); });
    }
  });
  connect(f.txtFindSheet, &SheetFinder::SheetChosen, this, [this](const QString& sheet) {
    Handle([this, &sheet] { state_.SelectDatabaseSheet(ToUtf8(sheet)); });
  });

  connect(f.cmdExit, &QToolButton::clicked, this, &MainWindow::close);
  connect(f.cmdPrintLbl, &QToolButton::clicked, this, [this] { PrintLabels(true); });
  connect(f.cmdCvttoHTML, &QToolButton::clicked, this, [this] { commands_.ConvertLogToHtml(); });
  connect(f.cmdPrintLog, &QToolButton::clicked, this,
          [this] { commands_.PrintLogbook(LogMode::Full, true); });
  connect(f.cmdPrintPartLog, &QToolButton::clicked, this,
          [this] { commands_.PrintLogbook(LogMode::Part, true); });
  connect(f.cmdPrintLogPage, &QToolButton::clicked, this,
          [this] { commands_.PrintLogbook(LogMode::Page, true); });

  connect(f.mnuPrinterSetup, &QAction::triggered, this, &MainWindow::OpenPrinterDialog);
  connect(f.mnuExit, &QAction::triggered, this, &MainWindow::close);
  connect(f.mnuPrint, &QAction::triggered, this,
          [this] { commands_.PrintLogbook(LogMode::Full, false); });
  connect(f.mnuPrintLogPage, &QAction::triggered, this,
          [this] { commands_.PrintLogbook(LogMode::Page, false); });
  connect(f.mnuPartial, &QAction::triggered, this,
          [this] { commands_.PrintLogbook(LogMode::Part, false); });
  connect(f.mnuQSLlabel, &QAction::triggered, this, [this] { PrintLabels(false); });
  connect(f.mnuPreviewQSL, &QAction::triggered, this, [this] { commands_.PreviewLabels(); });
  connect(f.mnuInfo, &QAction::triggered, this, &MainWindow::OpenInfoDialog);
  connect(f.mnuCustom_Label_Setup, &QAction::triggered, this, &MainWindow::OpenCustomSheetDialog);
  for (std::size_t i = 0; i < f.designMenus.size(); ++i) {
    const int design = static_cast<int>(i) + 1;
    connect(f.designMenus[i], &QAction::triggered, this, [this, design] {
      bool named = false;
      Handle([this, design, &named] { named = state_.PrepareDesignEditing(design); });
      if (named) {
        OpenDesignEditor(design);
      }
    });
  }
  connect(f.mnuCustom_Log_Setup, &QAction::triggered, this, &MainWindow::OpenCustomLogDialog);
  connect(f.mnuCalibratePrinter, &QAction::triggered, this,
          [this] { commands_.CalibratePrinter(); });
  connect(f.mnuEditIni, &QAction::triggered, this, &MainWindow::EditSettingsFile);
  connect(f.mnuCvttoHTML, &QAction::triggered, this, [this] { commands_.ConvertLogToHtml(); });
  connect(f.mnuSaveSent, &QAction::triggered, this, [this] { commands_.SaveSentContacts(); });
  connect(f.mnuHelp, &QAction::triggered, this, &MainWindow::OpenHelp);
  connect(f.mnuAbout, &QAction::triggered, this, &MainWindow::OpenAboutBox);
}

void MainWindow::Refresh() {
  const MainWindowForm& f = form_;
  f.lblLabelFileName->setText(ToQString(state_.LabelInputFile));
  f.lblLogFileName->setText(ToQString(state_.LogInputFile));

  // No option of a group is checked when the stored value matched none.
  const auto showChecked = [](QButtonGroup* group, QAbstractButton* checked) {
    const QSignalBlocker blocker(group);
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
      button->setChecked(button == checked);
    }
    group->setExclusive(true);
  };
  QAbstractButton* design = nullptr;
  for (std::size_t i = 0; i < f.designOptions.size(); ++i) {
    if (state_.designOption == kDesignOptions[i]) {
      design = f.designOptions[i];
    }
  }
  showChecked(f.designGroup, design);
  showChecked(f.styleGroup, f.styleGroup->button(state_.styleOption));
  f.optLogLayDflt->setChecked(state_.LogLayout == logbook::LogLayout::Default);
  f.optLogLayCust->setChecked(state_.LogLayout == logbook::LogLayout::Custom);

  f.ckUseQRZ->setChecked(state_.qrzChecked);
  f.ckUseQRZ->setEnabled(state_.qrzEnabled);
  f.txtQRZDrive->setEnabled(state_.qrzEnabled);
  f.cmdQRZFolder->setEnabled(state_.qrzEnabled);
  // Set only when it differs, so that typing keeps its place in the box.
  if (const QString folder = ToQString(state_.qrzDriveText); f.txtQRZDrive->text() != folder) {
    f.txtQRZDrive->setText(folder);
  }
  f.chkAddressPerStation->setChecked(state_.addressPerStation);
  f.chkAddressPerStation->setEnabled(state_.addressPerStationEnabled);
  for (auto [box, index] : {std::pair(f.cboContacts, static_cast<int>(state_.contacts)),
                            std::pair(f.cboOrder, static_cast<int>(state_.order))}) {
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(index);
  }
  const QString countryFile = ToQString(CountryFileInForce(state_.countryFile));
  f.lblCountryFile->setText(QFileInfo::exists(countryFile) ? countryFile
                            : state_.countryFile.empty()   ? countryFile + tr(" (not installed)")
                                                           : countryFile + tr(" (not found)"));
  {
    const QSignalBlocker blocker(f.lstAveryLab);
    // No entry of the list is in force while a database sheet is.
    f.lstAveryLab->setCurrentRow(state_.databaseSheet.empty() ? static_cast<int>(state_.stockIndex)
                                                              : -1);
  }
  if (const QString sheet = ToQString(state_.databaseSheet);
      !sheet.isEmpty() && f.txtFindSheet->text() != sheet && !f.txtFindSheet->hasFocus()) {
    f.txtFindSheet->setText(sheet);
  }
  f.txtLabelInfo->setPlainText(EntriesKeptWhole(ToQString(state_.labelInfoText)));

  f.cmdPrintLbl->setEnabled(state_.labelPrintEnabled);
  for (QToolButton* button :
       {f.cmdPrintLog, f.cmdPrintPartLog, f.cmdPrintLogPage, f.cmdCvttoHTML}) {
    button->setEnabled(state_.logPrintEnabled);
  }
  for (std::size_t i = 0; i < f.designMenus.size(); ++i) {
    f.designMenus[i]->setText(ToQString(state_.designMenuCaptions[i]));
  }
}

void MainWindow::ReportUnsavedSettings() {
  settings::SettingsFile& settings = session_.Settings();
  const auto& failure = settings.FirstWriteError();
  if (failure && !settings.WriteErrorReported()) {
    settings.MarkWriteErrorReported();
    ui_.ShowMessage("Your settings could not be saved to " + failure->path.string() + ": " +
                        failure->reason + "\nTavrilon goes on, but will not remember your choices.",
                    MessageIcon::None);
  }
}

void MainWindow::WatchLabelSheets() {
  if (!session_.LabelSheets().Ready()) {
    QTimer::singleShot(kLabelSheetsLook, this, &MainWindow::WatchLabelSheets);
    return;
  }
  Handle([this] { state_.LabelSheetsRead(); });
  for (const std::string& skipped : session_.LabelSheets().Skipped()) {
    const std::string line = "A label sheet file was skipped: " + skipped;
    std::fprintf(stderr, "%s\n", line.c_str());
    form_.statusText->setText(ToQString(line));
  }
}

void MainWindow::Start() {
  const std::string version = VersionString();
  setWindowTitle(ToQString(shell::MainWindowState::WindowCaption(version)));
  aboutBox_ = new AboutDialog(desktop_);
  aboutBox_->SetVersionText(ToQString(shell::MainWindowState::AboutVersionLabel(version)));
  session_.LabelSheets().LoadInBackground();
  Handle([this] { state_.Start(); });
  WatchLabelSheets();
  adjustSize();
  CentreWindow(*this);
  show();
  if (printers_.MakeStoredPrinterCurrent(session_.Settings())) {
    OpenPrinterDialog();
  }
}

void MainWindow::ChooseInputFile(bool labels) {
  const QString current = ToQString(labels ? state_.LabelInputFile : state_.LogInputFile);
  const auto path = desktop_.ChooseOpenFile(
      this, tr("Load Log Input File"), current.isEmpty() ? QString() : QFileInfo(current).path(),
      tr("ADIF Files (*.adi *.ADI *.adif *.ADIF)"));
  if (!path) {
    return;
  }
  Handle([this, labels, &path] {
    if (labels) {
      state_.ChooseLabelInputFile(ToUtf8(*path));
    } else {
      state_.ChooseLogInputFile(ToUtf8(*path));
    }
  });
}

void MainWindow::ChooseQrzFolder() {
  const auto folder =
      desktop_.ChooseFolder(this, tr("Callbook Folder"), ToQString(state_.qrzDriveText));
  if (folder) {
    Handle([this, &folder] { state_.SetQrzFolder(ToUtf8(*folder)); });
  }
}

void MainWindow::ChooseCountryFile() {
  // Opens in the folder of the file in force, the system's at first.
  const auto path =
      desktop_.ChooseOpenFile(this, tr("Choose the Country File (cty.dat)"),
                              QFileInfo(ToQString(CountryFileInForce(state_.countryFile))).path(),
                              tr("Country files (*.dat);;All files (*)"));
  if (path) {
    Handle([this, &path] { state_.SetCountryFile(ToUtf8(*path)); });
  }
}

void MainWindow::PrintLabels(bool askForPrinter) {
  // Asked when the run starts, not when the printer dialog opens instead.
  if (!askForPrinter || print::PrinterChoice::IsPrinterStored(session_.Settings())) {
    Handle([this] { state_.AskForUnsetCall(); });
  }
  const bool useQrz = commands_.PrintLabels(askForPrinter);
  Handle([this, useQrz] { state_.UseQrz = useQrz; });
}

void MainWindow::OpenPrinterDialog() {
  OpenSetUpDialog<SelectPrinterDialog>(printerDialog_, session_.Settings(), printers_, desktop_);
}

void MainWindow::OpenInfoDialog() {
  OpenSetUpDialog<InfoInputDialog>(infoDialog_, session_.Settings(), desktop_);
}

void MainWindow::OpenCustomSheetDialog() {
  OpenSetUpDialog<CustomLabelSheetDialog>(customSheetDialog_, session_.Settings(), desktop_);
}

void MainWindow::OpenCustomLogDialog() {
  OpenSetUpDialog<CustomLogDialog>(customLogDialog_, session_.Settings(), session_.DataFolder(),
                                   desktop_);
}

void MainWindow::OpenDesignEditor(int design) {
  // An editor of another design would write its fields into this one.
  if (designEditor_ != nullptr && designEditor_->Design() != design) {
    designEditor_->close();
  }
  if (designEditor_ == nullptr) {
    designEditor_ = new CustomLabelLayoutWindow(
        session_, state_, commands_, desktop_, [this] { ChoosePrinterAndWait(); }, this);
    connect(designEditor_, &CustomLabelLayoutWindow::NameChanged, this,
            [this](int edited, const QString& name) {
              state_.ShowDesignName(edited, ToUtf8(name));
              Refresh();
            });
    connect(designEditor_, &CustomLabelLayoutWindow::SettingsWritten, this,
            &MainWindow::ReportUnsavedSettings);
    designEditor_->adjustSize();
    CentreWindow(*designEditor_);
  }
  designEditor_->show();
  designEditor_->raise();
  designEditor_->activateWindow();
}

void MainWindow::ChoosePrinterAndWait() {
  OpenPrinterDialog();
  if (printerDialog_ != nullptr) {
    QEventLoop untilClosed;
    connect(printerDialog_, &QObject::destroyed, &untilClosed, &QEventLoop::quit);
    untilClosed.exec();
  }
}

void MainWindow::OpenAboutBox() {
  if (aboutBox_ == nullptr) {
    aboutBox_ = new AboutDialog(desktop_);
  }
  aboutBox_->adjustSize();
  CentreWindow(*aboutBox_);
  aboutBox_->show();
  aboutBox_->raise();
}

void MainWindow::EditSettingsFile() {
  const QString path = ToQString(session_.Settings().Path().string());
  if (!desktop_.OpenDocument(path)) {
    ui_.ShowMessage("No text editor could be started for " + session_.Settings().Path().string(),
                    MessageIcon::None);
  }
}

void MainWindow::OpenHelp() {
  const std::filesystem::path help = session_.DataFolder() / "Tavrilon-Help.pdf";
  if (!QFileInfo::exists(ToQString(help.string())) ||
      !desktop_.OpenDocument(ToQString(help.string()))) {
    ui_.ShowMessage("The help document " + help.string() + " could not be opened.",
                    MessageIcon::None);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  session_.Input().Close();
  // Closing one window may delete another: hold them by guarded pointers.
  QList<QPointer<QWidget>> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    windows << window;
  }
  for (const QPointer<QWidget>& window : windows) {
    if (window != nullptr && window != this) {
      window->close();
    }
  }
  event->accept();
}

}  // namespace tavrilon::app
