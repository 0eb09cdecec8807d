#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/AboutDialog.h"
#include "app/BeginLogDialog.h"
#include "app/CustomLabelSheetDialog.h"
#include "app/CustomLogDialog.h"
#include "app/Desktop.h"
#include "app/InfoInputDialog.h"
#include "app/LogPageDialog.h"
#include "app/PdfDestination.h"
#include "app/Pictures.h"
#include "app/QtText.h"
#include "app/SelectPrinterDialog.h"
#include "app/WindowPlacement.h"
#include "html/HtmlExport.h"
#include "labels/LabelStocks.h"
#include "labels/SheetCatalogue.h"
#include "print/PrinterChoice.h"
#include "qt/PrintJob.h"
#include "version/VersionString.h"

namespace tavrilon::app {

namespace {

using labels::LabelDesign;

constexpr LabelDesign kDesignOptions[] = {LabelDesign::Default, LabelDesign::Simple,
                                          LabelDesign::Custom1, LabelDesign::Custom2,
                                          LabelDesign::Custom3};

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QToolButton* ToolButton(const char* name, Picture picture, const char* tip) {
  auto* button = Named(new QToolButton, name);
  button->setIcon(PictureIcon(picture));
  button->setIconSize(QSize(32, 32));
  button->setToolTip(QString::fromLatin1(tip));
  return button;
}

// The stock description breaks between its entries only: Qt's line breaking
// would part "LM: .15" after the point, and a name from its value.
QString EntriesKeptWhole(QString description) {
  static const QRegularExpression pointBeforeDigit(QStringLiteral("\\.(?=\\d)"));
  description.replace(QStringLiteral(": "), QStringLiteral(":") + QChar(0x00A0));
  description.replace(pointBeforeDigit, QStringLiteral(".") + QChar(0x2060));
  return description;
}

}  // namespace

MainWindow::MainWindow(Session& session, print::PrinterChoice& printers, Desktop& desktop,
                       QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      printers_(printers),
      desktop_(desktop),
      state_(session.Settings(), *this),
      labelRun_(session.Input(), session.Settings(), *this),
      logbookRun_(session.Input(), session.Settings(), *this, SystemClock()) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowIcon(PictureIcon(Picture::Program));
  BuildControls();
  BuildToolbar();
  BuildMenus();
  Connect();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  auto* central = new QWidget;
  auto* layout = new QGridLayout(central);

  cmdLabelFileName_ = Named(new QPushButton(tr("Label Input File")), "cmdLabelFileName");
  cmdLabelFileName_->setToolTip(tr("Select Input file for printing QSL Labels"));
  lblLabelFileName_ = Named(new QLabel, "lblLabelFileName");
  cmdLogFileName_ = Named(new QPushButton(tr("Log Input File")), "cmdLogFileName");
  cmdLogFileName_->setToolTip(tr("Select Input file for printing your Logbook"));
  lblLogFileName_ = Named(new QLabel, "lblLogFileName");
  for (QLabel* label : {lblLabelFileName_, lblLogFileName_}) {
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(360);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  layout->addWidget(cmdLabelFileName_, 0, 0);
  layout->addWidget(lblLabelFileName_, 0, 1, 1, 2);
  layout->addWidget(cmdLogFileName_, 1, 0);
  layout->addWidget(lblLogFileName_, 1, 1, 1, 2);

  auto* frame4 = Named(new QGroupBox(tr("Select Label Design")), "Frame4");
  auto* designLayout = new QHBoxLayout(frame4);
  designGroup_ = new QButtonGroup(this);
  const char* designNames[] = {"optLabelLayDflt", "optLabelLaySimp", "optLabelLayCust1",
                               "optLabelLayCust2", "optLabelLayCust3"};
  const char* designCaptions[] = {"Default", "Simple", "1", "2", "3"};
  for (std::size_t i = 0; i < designOptions_.size(); ++i) {
    designOptions_[i] = Named(new QRadioButton(tr(designCaptions[i])), designNames[i]);
    designGroup_->addButton(designOptions_[i], static_cast<int>(i));
    if (i == 2) {
      designLayout->addWidget(Named(new QLabel(tr(" Custom ")), "lblCustom"));
    }
    designLayout->addWidget(designOptions_[i]);
  }
  designLayout->addStretch();

  auto* frame5 = Named(new QGroupBox(tr("Select Type of Labels to Print")), "Frame5");
  auto* styleLayout = new QVBoxLayout(frame5);
  styleGroup_ = new QButtonGroup(this);
  const char* styleNames[] = {"optLblSet1", "optLblSet2", "optLblSet3"};
  const char* styleCaptions[] = {"QSL Only", "QSL && Mailing", "QSL, Mailing && Return"};
  for (std::size_t i = 0; i < styleOptions_.size(); ++i) {
    styleOptions_[i] = Named(new QRadioButton(tr(styleCaptions[i])), styleNames[i]);
    styleGroup_->addButton(styleOptions_[i], static_cast<int>(i) + 1);
    styleLayout->addWidget(styleOptions_[i]);
  }

  auto* frame3 = Named(new QGroupBox(tr("Select Log Layout")), "Frame3");
  auto* logLayout = new QHBoxLayout(frame3);
  optLogLayDflt_ = Named(new QRadioButton(tr("Default")), "optLogLayDflt");
  optLogLayCust_ = Named(new QRadioButton(tr("Custom")), "optLogLayCust");
  logLayout->addWidget(optLogLayDflt_);
  logLayout->addWidget(optLogLayCust_);
  logLayout->addStretch();

  ckUseQRZ_ = Named(new QCheckBox(tr("Use QRZ to Print Address Labels?")), "ckUseQRZ");
  txtQRZDrive_ = Named(new QLineEdit, "txtQRZDrive");
  txtQRZDrive_->setMaximumWidth(60);
  auto* qrzDriveLabel = Named(new QLabel(tr("Drive Letter for QRZ Database")), "lblQRZDrive");
  chkSortFile_ = Named(new QCheckBox(tr("Sort File before printing")), "chkSortFile");

  auto* left = new QVBoxLayout;
  left->addWidget(frame4);
  left->addWidget(frame5);
  left->addWidget(frame3);
  left->addWidget(ckUseQRZ_);
  auto* qrzRow = new QHBoxLayout;
  qrzRow->addWidget(txtQRZDrive_);
  qrzRow->addWidget(qrzDriveLabel);
  qrzRow->addStretch();
  left->addLayout(qrzRow);
  left->addWidget(chkSortFile_);
  left->addStretch();
  layout->addLayout(left, 2, 0, 1, 2);

  auto* right = new QVBoxLayout;
  right->addWidget(Named(new QLabel(tr("Choose Label Sheet")), "lblChooseLabel"));
  lstAveryLab_ = Named(new QListWidget, "lstAveryLab");
  for (std::string_view stock : labels::kLabelStocks) {
    lstAveryLab_->addItem(ToQString(stock));
  }
  right->addWidget(lstAveryLab_);
  right->addWidget(Named(new QLabel(tr("Label Information:")), "lblLabelInfo"));
  txtLabelInfo_ = Named(new QPlainTextEdit, "txtLabelInfo");
  txtLabelInfo_->setReadOnly(true);
  // Break the description between its entries only, never inside ".15".
  txtLabelInfo_->setWordWrapMode(QTextOption::WordWrap);
  txtLabelInfo_->setMaximumHeight(90);
  right->addWidget(txtLabelInfo_);
  auto* skipRow = new QHBoxLayout;
  skipRow->addWidget(Named(new QLabel(tr("Number of Labels to skip:")), "lblSkipLabel"));
  txtLabelSkip_ = Named(new QLineEdit(QStringLiteral("0")), "txtLabelSkip");
  txtLabelSkip_->setMaximumWidth(60);
  skipRow->addWidget(txtLabelSkip_);
  skipRow->addStretch();
  right->addLayout(skipRow);
  layout->addLayout(right, 2, 2);

  setCentralWidget(central);

  auto* bar = Named(new QStatusBar, "StatusBar1");
  statusText_ = Named(new QLabel, "StatusText");
  bar->addWidget(statusText_, 1);
  progressBar_ = Named(new QProgressBar, "ProgressBar");
  progressBar_->setRange(0, 100);
  progressBar_->setMaximumWidth(240);
  progressBar_->hide();
  bar->addPermanentWidget(progressBar_);
  setStatusBar(bar);
}

void MainWindow::BuildToolbar() {
  auto* toolbar = Named(new QToolBar(tr("Commands")), "Toolbar1");
  toolbar->setMovable(false);
  cmdPrintLog_ = ToolButton("cmdPrintLog", Picture::PrintLog, " Print Entire Log ");
  cmdPrintPartLog_ = ToolButton("cmdPrintPartLog", Picture::PrintPartLog, " Print Partial Log ");
  cmdPrintLogPage_ = ToolButton("cmdPrintLogPage", Picture::PrintLogPage,
                                " Print Log beginning with a Page Number");
  cmdPrintLbl_ = ToolButton("cmdPrintLbl", Picture::PrintLabels, " Print QSL Labels ");
  cmdCvttoHTML_ = ToolButton("cmdCvttoHTML", Picture::ConvertToHtml, "Convert Log to HTML");
  cmdExit_ = ToolButton("cmdExit", Picture::Exit, "Exit Program");
  for (QToolButton* button :
       {cmdPrintLog_, cmdPrintPartLog_, cmdPrintLogPage_, cmdPrintLbl_, cmdCvttoHTML_}) {
    toolbar->addWidget(button);
  }
  toolbar->addSeparator();
  toolbar->addWidget(cmdExit_);
  addToolBar(Qt::TopToolBarArea, toolbar);
}

void MainWindow::BuildMenus() {
  const auto menu = [this](const char* name, const QString& title) {
    QMenu* m = menuBar()->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    return m;
  };
  const auto entry = [](QMenu* m, const char* name, const QString& text) {
    QAction* action = m->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };

  QMenu* file = menu("mnuFile", tr("File"));
  connect(entry(file, "mnuPrinterSetup", tr("Printer Setup")), &QAction::triggered, this,
          &MainWindow::OpenPrinterDialog);
  file->addSeparator();
  connect(entry(file, "mnuExit", tr("Exit")), &QAction::triggered, this, &MainWindow::ExitProgram);

  QMenu* print = menu("mnuPhead", tr("Print"));
  connect(entry(print, "mnuPrint", tr("Print Log Book")), &QAction::triggered, this,
          [this] { PrintLogbook(logbook::LogMode::Full, false); });
  connect(entry(print, "mnuPrintLogPage", tr("Print Log by Page")), &QAction::triggered, this,
          [this] { PrintLogbook(logbook::LogMode::Page, false); });
  connect(entry(print, "mnuPartial", tr("Print Partial Log")), &QAction::triggered, this,
          [this] { PrintLogbook(logbook::LogMode::Part, false); });
  connect(entry(print, "mnuQSLlabel", tr("Print QSL Label")), &QAction::triggered, this,
          [this] { PrintLabels(false); });

  QMenu* setUp = menu("mnuSetUp", tr("SetUp"));
  connect(entry(setUp, "mnuInfo", tr("Your Information")), &QAction::triggered, this,
          &MainWindow::OpenInfoDialog);
  connect(entry(setUp, "mnuCustom_Label_Setup", tr("Custom Label Sheet Setup")),
          &QAction::triggered, this, &MainWindow::OpenCustomSheetDialog);
  setUp->addSeparator();
  const char* designNames[] = {"mnuCustom_Label_Layout", "mnuCustom_Label_Layout2",
                               "mnuCustom_Label_Layout3"};
  for (int design = 1; design <= 3; ++design) {
    const auto i = static_cast<std::size_t>(design - 1);
    designMenus_[i] = entry(setUp, designNames[i], ToQString(state_.designMenuCaptions[i]));
    connect(designMenus_[i], &QAction::triggered, this, [this, design] { EditDesign(design); });
  }
  setUp->addSeparator();
  connect(entry(setUp, "mnuCustom_Log_Setup", tr("Custom Log Setup")), &QAction::triggered, this,
          &MainWindow::OpenCustomLogDialog);

  QMenu* tools = menu("mnuTools", tr("Tools"));
  connect(entry(tools, "mnuEditIni", tr("Edit Tavrilon.ini")), &QAction::triggered, this,
          &MainWindow::EditSettingsFile);
  connect(entry(tools, "mnuCvttoHTML", tr("Convert Log to HTML")), &QAction::triggered, this,
          &MainWindow::ConvertLogToHtml);

  QMenu* help = menu("mnuHelpFile", tr("Help"));
  connect(entry(help, "mnuHelp", tr("Help")), &QAction::triggered, this, &MainWindow::OpenHelp);
  connect(entry(help, "mnuAbout", tr("About")), &QAction::triggered, this,
          &MainWindow::OpenAboutBox);
}

template <typename Handler>
void MainWindow::Handle(Handler handler) {
  handler();
  Refresh();
  ReportUnsavedSettings();
}

void MainWindow::Connect() {
  connect(cmdLabelFileName_, &QPushButton::clicked, this, [this] { ChooseInputFile(true); });
  connect(cmdLogFileName_, &QPushButton::clicked, this, [this] { ChooseInputFile(false); });
  for (std::size_t i = 0; i < designOptions_.size(); ++i) {
    connect(designOptions_[i], &QRadioButton::clicked, this,
            [this, i] { Handle([this, i] { state_.SelectLabelDesign(kDesignOptions[i]); }); });
  }
  for (std::size_t i = 0; i < styleOptions_.size(); ++i) {
    connect(styleOptions_[i], &QRadioButton::clicked, this,
            [this, i] { Handle([this, i] { state_.SelectLabelStyle(static_cast<int>(i) + 1); }); });
  }
  connect(optLogLayDflt_, &QRadioButton::clicked, this,
          [this] { Handle([this] { state_.SelectLogLayout(logbook::LogLayout::Default); }); });
  connect(optLogLayCust_, &QRadioButton::clicked, this,
          [this] { Handle([this] { state_.SelectLogLayout(logbook::LogLayout::Custom); }); });
  connect(ckUseQRZ_, &QCheckBox::clicked, this,
          [this](bool checked) { Handle([this, checked] { state_.SetUseQrz(checked); }); });
  connect(chkSortFile_, &QCheckBox::clicked, this,
          [this](bool checked) { Handle([this, checked] { state_.SetSortFile(checked); }); });
  connect(lstAveryLab_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) {
      Handle([this, row] { state_.SelectLabelStock(static_cast<std::size_t>(row)); });
    }
  });
  connect(cmdExit_, &QToolButton::clicked, this, &MainWindow::ExitProgram);
  connect(cmdPrintLbl_, &QToolButton::clicked, this, [this] { PrintLabels(true); });
  connect(cmdCvttoHTML_, &QToolButton::clicked, this, &MainWindow::ConvertLogToHtml);
  connect(cmdPrintLog_, &QToolButton::clicked, this,
          [this] { PrintLogbook(logbook::LogMode::Full, true); });
  connect(cmdPrintPartLog_, &QToolButton::clicked, this,
          [this] { PrintLogbook(logbook::LogMode::Part, true); });
  connect(cmdPrintLogPage_, &QToolButton::clicked, this,
          [this] { PrintLogbook(logbook::LogMode::Page, true); });
}

void MainWindow::Refresh() {
  lblLabelFileName_->setText(ToQString(state_.LabelInputFile));
  lblLogFileName_->setText(ToQString(state_.LogInputFile));

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
  for (std::size_t i = 0; i < designOptions_.size(); ++i) {
    if (state_.designOption == kDesignOptions[i]) {
      design = designOptions_[i];
    }
  }
  showChecked(designGroup_, design);
  showChecked(styleGroup_, styleGroup_->button(state_.styleOption));
  optLogLayDflt_->setChecked(state_.LogLayout == logbook::LogLayout::Default);
  optLogLayCust_->setChecked(state_.LogLayout == logbook::LogLayout::Custom);

  ckUseQRZ_->setChecked(state_.qrzChecked);
  ckUseQRZ_->setEnabled(state_.qrzEnabled);
  txtQRZDrive_->setEnabled(state_.qrzEnabled);
  txtQRZDrive_->setText(ToQString(state_.qrzDriveText));
  chkSortFile_->setChecked(state_.sortChecked);
  chkSortFile_->setEnabled(state_.sortEnabled);
  {
    const QSignalBlocker blocker(lstAveryLab_);
    lstAveryLab_->setCurrentRow(static_cast<int>(state_.stockIndex));
  }
  txtLabelInfo_->setPlainText(EntriesKeptWhole(ToQString(state_.labelInfoText)));

  cmdPrintLbl_->setEnabled(state_.labelPrintEnabled);
  for (QToolButton* button : {cmdPrintLog_, cmdPrintPartLog_, cmdPrintLogPage_, cmdCvttoHTML_}) {
    button->setEnabled(state_.logPrintEnabled);
  }
  for (std::size_t i = 0; i < designMenus_.size(); ++i) {
    designMenus_[i]->setText(ToQString(state_.designMenuCaptions[i]));
  }
}

void MainWindow::ReportUnsavedSettings() {
  settings::SettingsFile& settings = session_.Settings();
  const auto& failure = settings.FirstWriteError();
  if (failure && !settings.WriteErrorReported()) {
    settings.MarkWriteErrorReported();
    ShowMessage("Your settings could not be saved to " + failure->path.string() + ": " +
                    failure->reason + "\nTavrilon goes on, but will not remember your choices.",
                MessageIcon::None);
  }
}

void MainWindow::Start() {
  const std::string version = VersionString();
  setWindowTitle(ToQString(shell::MainWindowState::WindowCaption(version)));
  aboutBox_ = new AboutDialog(desktop_);
  aboutBox_->SetVersionText(ToQString(shell::MainWindowState::AboutVersionLabel(version)));
  Handle([this] { state_.Start(); });
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

namespace {
// Opens a dialog of which only one may be open: an open one is raised.
template <typename Dialog, typename... Args>
void OpenOnce(QPointer<QWidget>& slot, Args&&... args) {
  if (slot == nullptr) {
    auto* dialog = new Dialog(std::forward<Args>(args)...);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();
    CentreWindow(*dialog);
    slot = dialog;
  }
  slot->show();
  slot->raise();
  slot->activateWindow();
}
}  // namespace

void MainWindow::OpenPrinterDialog() {
  OpenOnce<SelectPrinterDialog>(printerDialog_, session_.Settings(), printers_, desktop_);
}

void MainWindow::OpenInfoDialog() {
  OpenOnce<InfoInputDialog>(infoDialog_, session_.Settings(), desktop_);
}

void MainWindow::OpenCustomSheetDialog() {
  OpenOnce<CustomLabelSheetDialog>(customSheetDialog_, session_.Settings(), desktop_);
}

void MainWindow::OpenCustomLogDialog() {
  OpenOnce<CustomLogDialog>(customLogDialog_, session_.Settings(), session_.ProgramFolder(),
                            desktop_);
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

void MainWindow::EditDesign(int design) {
  Handle([this, design] { state_.PrepareDesignEditing(design); });
}

void MainWindow::EditSettingsFile() {
  const QString path = ToQString(session_.Settings().Path().string());
  if (!desktop_.OpenDocument(path)) {
    ShowMessage("No text editor could be started for " + session_.Settings().Path().string(),
                MessageIcon::None);
  }
}

void MainWindow::OpenHelp() {
  const std::filesystem::path help = session_.ProgramFolder() / "Tavrilon-Help.pdf";
  if (!QFileInfo::exists(ToQString(help.string())) ||
      !desktop_.OpenDocument(ToQString(help.string()))) {
    ShowMessage("The help document " + help.string() + " could not be opened.", MessageIcon::None);
  }
}

void MainWindow::ExitProgram() {
  close();
}

void MainWindow::PrintLabels(bool askForPrinter) {
  if (askForPrinter && !print::PrinterChoice::IsPrinterStored(session_.Settings())) {
    OpenPrinterDialog();
    return;
  }
  const labels::LabelRunRequest request{state_.LabelInputFile, state_.LabelStock,
                                        state_.LabelDesign, state_.LabelStyle,
                                        ToUtf8(txtLabelSkip_->text())};
  std::optional<qt::PrintJob> job;
  const labels::LabelRunResult result = labelRun_.PrintLabelRun(
      request,
      PrintDocument(job, request.labelInputFile, "labels", labels::StockPaper(request.labelStock)));
  txtLabelSkip_->setText(ToQString(result.labelSkip));
  if (result.outcome == RunOutcome::DictionaryMissing) {
    EndForMissingDictionary();
  }
}

print::SurfaceSource MainWindow::PrintDocument(std::optional<qt::PrintJob>& job,
                                               const std::string& inputFile,
                                               std::string_view jobName,
                                               std::optional<labels::Paper> paper) {
  return [this, &job, inputFile, jobName, paper]() -> print::PrintSurface* {
    const std::string& printer = printers_.Current();
    std::optional<std::filesystem::path> pdf;
    if (printer == print::kPdfPrinterName) {
      pdf = AskPdfDestination(desktop_, this, inputFile, jobName, session_.OwnFiles());
      if (!pdf) {
        return nullptr;
      }
    }
    std::string document = "Tavrilon ";
    document.append(jobName);
    job.emplace(printer, pdf, document);
    if (paper) {
      job->SetPaper(*paper);
    }
    return &job->Surface();
  };
}

void MainWindow::PrintLogbook(logbook::LogMode mode, bool askForPrinter) {
  if (askForPrinter && !print::PrinterChoice::IsPrinterStored(session_.Settings())) {
    OpenPrinterDialog();
    return;
  }
  logbook::LogbookRequest request = LogbookRequest();
  request.mode = mode;
  if (mode == logbook::LogMode::Part) {
    BeginLogDialog dialog(this);
    dialog.adjustSize();
    CentreWindow(dialog);
    dialog.exec();
    if (!dialog.Range().RangeChosen) {
      return;
    }
    request.range = dialog.Range();
  } else if (mode == logbook::LogMode::Page) {
    LogPageDialog dialog(this);
    dialog.adjustSize();
    CentreWindow(dialog);
    dialog.exec();
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

logbook::LogbookRequest MainWindow::LogbookRequest() const {
  logbook::LogbookRequest request;
  request.logInputFile = state_.LogInputFile;
  request.layout = state_.LogLayout;
  request.operatorCall = state_.OperatorCall;
  return request;
}

void MainWindow::ConvertLogToHtml() {
  if (html::ConvertLogToHtml(session_.Input(), session_.Settings(), *this, LogbookRequest(),
                             SystemClock()) == RunOutcome::DictionaryMissing) {
    EndForMissingDictionary();
  }
}

void MainWindow::EndForMissingDictionary() {
  ShowMessage(adif::DictionaryStopText(session_.Input().DictionaryFault()), MessageIcon::Critical);
  close();
  desktop_.EndProgram(2);
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

void MainWindow::SetStatusText(std::string_view text) {
  statusText_->setText(ToQString(text));
}

void MainWindow::SetProgressVisible(bool visible) {
  progressBar_->setVisible(visible);
}

void MainWindow::SetProgressValue(int percent) {
  progressBar_->setValue(percent);
}

void MainWindow::ShowMessage(std::string_view text, MessageIcon icon) {
  desktop_.ShowMessage(this, ToQString(text), icon);
}

bool MainWindow::AskYesNo(std::string_view text) {
  return desktop_.AskYesNo(this, ToQString(text));
}

std::optional<std::string> MainWindow::AskText(std::string_view prompt, std::string_view title) {
  const auto answer = desktop_.AskText(this, ToQString(prompt), ToQString(title));
  return answer ? std::optional(ToUtf8(*answer)) : std::nullopt;
}

void MainWindow::LetPendingEventsRun() {
  QCoreApplication::processEvents();
}

}  // namespace tavrilon::app
