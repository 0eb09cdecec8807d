#include "app/MainWindowForm.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Named.h"
#include "app/Pictures.h"
#include "app/QtText.h"
#include "app/SheetFinder.h"
#include "sheets/LabelStocks.h"

namespace tavrilon::app {

namespace {

QToolButton* ToolButton(const char* name, Picture picture, const char* tip) {
  auto* button = Named(new QToolButton, name);
  button->setIcon(PictureIcon(picture));
  button->setIconSize(QSize(32, 32));
  button->setToolTip(QString::fromLatin1(tip));
  return button;
}

}  // namespace

MainWindowForm::MainWindowForm(QMainWindow& window,
                               std::function<const sheets::SheetDatabase&()> database) {
  BuildControls(window, std::move(database));
  BuildToolbar(window);
  BuildMenus(window);
}

void MainWindowForm::BuildControls(QMainWindow& window,
                                   std::function<const sheets::SheetDatabase&()> database) {
  auto* central = new QWidget;
  auto* layout = new QGridLayout(central);

  cmdLabelFileName = Named(new QPushButton(tr("Label Input File")), "cmdLabelFileName");
  cmdLabelFileName->setToolTip(tr("Select Input file for printing QSL Labels"));
  lblLabelFileName = Named(new QLabel, "lblLabelFileName");
  cmdLogFileName = Named(new QPushButton(tr("Log Input File")), "cmdLogFileName");
  cmdLogFileName->setToolTip(tr("Select Input file for printing your Logbook"));
  lblLogFileName = Named(new QLabel, "lblLogFileName");
  for (QLabel* label : {lblLabelFileName, lblLogFileName}) {
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(360);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  layout->addWidget(cmdLabelFileName, 0, 0);
  layout->addWidget(lblLabelFileName, 0, 1, 1, 2);
  layout->addWidget(cmdLogFileName, 1, 0);
  layout->addWidget(lblLogFileName, 1, 1, 1, 2);

  auto* frame4 = Named(new QGroupBox(tr("Select Label Design")), "Frame4");
  auto* designLayout = new QHBoxLayout(frame4);
  designGroup = new QButtonGroup(&window);
  const char* designNames[] = {"optLabelLayDflt", "optLabelLaySimp", "optLabelLayCust1",
                               "optLabelLayCust2", "optLabelLayCust3"};
  const char* designCaptions[] = {"Default", "Simple", "1", "2", "3"};
  for (std::size_t i = 0; i < designOptions.size(); ++i) {
    designOptions[i] = Named(new QRadioButton(tr(designCaptions[i])), designNames[i]);
    designGroup->addButton(designOptions[i], static_cast<int>(i));
    if (i == 2) {
      designLayout->addWidget(Named(new QLabel(tr(" Custom ")), "lblCustom"));
    }
    designLayout->addWidget(designOptions[i]);
  }
  designLayout->addStretch();

  auto* frame5 = Named(new QGroupBox(tr("Select Type of Labels to Print")), "Frame5");
  auto* styleLayout = new QVBoxLayout(frame5);
  styleGroup = new QButtonGroup(&window);
  const char* styleNames[] = {"optLblSet1", "optLblSet2", "optLblSet3"};
  const char* styleCaptions[] = {"QSL Only", "QSL && Mailing", "QSL, Mailing && Return"};
  for (std::size_t i = 0; i < styleOptions.size(); ++i) {
    styleOptions[i] = Named(new QRadioButton(tr(styleCaptions[i])), styleNames[i]);
    styleGroup->addButton(styleOptions[i], static_cast<int>(i) + 1);
    styleLayout->addWidget(styleOptions[i]);
  }
  chkAddressPerStation =
      Named(new QCheckBox(tr("One Mailing Label per Station")), "chkAddressPerStation");
  chkAddressPerStation->setToolTip(
      tr("Styles 2 and 3: one mailing (and return) label per station, after its last QSL label, "
         "instead of one for every contact"));
  styleLayout->addWidget(chkAddressPerStation);

  auto* frame3 = Named(new QGroupBox(tr("Select Log Layout")), "Frame3");
  auto* logLayout = new QHBoxLayout(frame3);
  optLogLayDflt = Named(new QRadioButton(tr("Default")), "optLogLayDflt");
  optLogLayCust = Named(new QRadioButton(tr("Custom")), "optLogLayCust");
  logLayout->addWidget(optLogLayDflt);
  logLayout->addWidget(optLogLayCust);
  logLayout->addStretch();

  ckUseQRZ = Named(new QCheckBox(tr("Use QRZ to Print Address Labels?")), "ckUseQRZ");
  txtQRZDrive = Named(new QLineEdit, "txtQRZDrive");
  txtQRZDrive->setMinimumWidth(160);
  txtQRZDrive->setToolTip(
      tr("The folder of the callbook files: EN.dat and HD.dat, amateur_delim.txt, callbook.csv"));
  cmdQRZFolder = Named(new QPushButton(tr("...")), "cmdQRZFolder");
  cmdQRZFolder->setToolTip(tr("Choose the folder of the callbook files"));
  cmdQRZFolder->setMaximumWidth(32);
  auto* qrzDriveLabel = Named(new QLabel(tr("Drive Letter for QRZ Database")), "lblQRZDrive");

  auto* left = new QVBoxLayout;
  left->addWidget(frame4);
  left->addWidget(frame5);
  left->addWidget(frame3);
  left->addWidget(ckUseQRZ);
  auto* qrzRow = new QHBoxLayout;
  qrzRow->addWidget(txtQRZDrive, 1);
  qrzRow->addWidget(cmdQRZFolder);
  qrzRow->addWidget(qrzDriveLabel);
  qrzRow->addStretch();
  left->addLayout(qrzRow);
  left->addWidget(BuildRunChoices());
  left->addStretch();
  layout->addLayout(left, 2, 0, 1, 2);

  auto* right = new QVBoxLayout;
  right->addWidget(Named(new QLabel(tr("Choose Label Sheet")), "lblChooseLabel"));
  lstAveryLab = Named(new QListWidget, "lstAveryLab");
  for (std::string_view stock : sheets::kLabelStocks) {
    lstAveryLab->addItem(ToQString(stock));
  }
  right->addWidget(lstAveryLab);
  right->addWidget(Named(new QLabel(tr("Or find one by brand, part or size:")), "lblFindSheet"));
  txtFindSheet = Named(new SheetFinder(std::move(database)), "txtFindSheet");
  right->addWidget(txtFindSheet);
  right->addWidget(Named(new QLabel(tr("Label Information:")), "lblLabelInfo"));
  txtLabelInfo = Named(new QPlainTextEdit, "txtLabelInfo");
  txtLabelInfo->setReadOnly(true);
  // Break the description between its entries only, never inside ".15".
  txtLabelInfo->setWordWrapMode(QTextOption::WordWrap);
  txtLabelInfo->setMaximumHeight(90);
  right->addWidget(txtLabelInfo);
  auto* skipRow = new QHBoxLayout;
  skipRow->addWidget(Named(new QLabel(tr("Number of Labels to skip:")), "lblSkipLabel"));
  txtLabelSkip = Named(new QLineEdit(QStringLiteral("0")), "txtLabelSkip");
  txtLabelSkip->setMaximumWidth(60);
  skipRow->addWidget(txtLabelSkip);
  skipRow->addStretch();
  right->addLayout(skipRow);
  layout->addLayout(right, 2, 2);

  window.setCentralWidget(central);

  auto* bar = Named(new QStatusBar, "StatusBar1");
  statusText = Named(new QLabel, "StatusText");
  bar->addWidget(statusText, 1);
  progressBar = Named(new QProgressBar, "ProgressBar");
  progressBar->setRange(0, 100);
  progressBar->setMaximumWidth(240);
  progressBar->hide();
  bar->addPermanentWidget(progressBar);
  window.setStatusBar(bar);
}

QWidget* MainWindowForm::BuildRunChoices() {
  auto* frame = Named(new QGroupBox(tr("Select Contacts and Order")), "Frame6");
  auto* grid = new QGridLayout(frame);

  cboContacts = Named(new QComboBox, "cboContacts");
  cboContacts->addItems({tr("All contacts in the file"), tr("Cards still to send")});
  cboContacts->setToolTip(
      tr("Cards still to send: the contacts whose QSL_SENT is R, Q or empty, and whose card was "
         "not sent electronically (QSL_SENT_VIA E)"));
  grid->addWidget(Named(new QLabel(tr("Contacts to Print:")), "lblContacts"), 0, 0);
  grid->addWidget(cboContacts, 0, 1, 1, 2);

  txtFromDate = Named(new QLineEdit, "txtFromDate");
  txtFromDate->setToolTip(
      tr("Only the contacts of this day (YYYYMMDD) and later; empty: from "
         "the first"));
  txtToDate = Named(new QLineEdit, "txtToDate");
  txtToDate->setToolTip(
      tr("Only the contacts of this day (YYYYMMDD) and earlier; empty: to the "
         "last"));
  auto* dateRow = new QHBoxLayout;
  for (QLineEdit* date : {txtFromDate, txtToDate}) {
    date->setPlaceholderText(QStringLiteral("YYYYMMDD"));
    date->setMaxLength(8);
    date->setMaximumWidth(100);
    if (date == txtToDate) {
      dateRow->addWidget(Named(new QLabel(tr("To:")), "lblToDate"));
    }
    dateRow->addWidget(date);
  }
  dateRow->addStretch();
  grid->addWidget(Named(new QLabel(tr("From:")), "lblFromDate"), 1, 0);
  grid->addLayout(dateRow, 1, 1, 1, 2);

  cboOrder = Named(new QComboBox, "cboOrder");
  cboOrder->addItems({tr("File order"), tr("By call"), tr("Bureau order (by country)")});
  cboOrder->setToolTip(
      tr("The order the labels print in: as the file holds the contacts, by the station's call, "
         "or for the QSL bureau by the destination's DXCC country, then call"));
  cmdCountryFile = Named(new QPushButton(tr("Country File...")), "cmdCountryFile");
  cmdCountryFile->setToolTip(
      tr("Choose the country file (cty.dat) that tells bureau order each call's country"));
  grid->addWidget(Named(new QLabel(tr("Order of Labels:")), "lblOrder"), 2, 0);
  grid->addWidget(cboOrder, 2, 1);
  grid->addWidget(cmdCountryFile, 2, 2);
  lblCountryFile = Named(new QLabel, "lblCountryFile");
  lblCountryFile->setToolTip(tr("The country file bureau order reads"));
  lblCountryFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(lblCountryFile, 3, 1, 1, 2);
  grid->setColumnStretch(1, 1);
  return frame;
}

void MainWindowForm::BuildToolbar(QMainWindow& window) {
  auto* toolbar = Named(new QToolBar(tr("Commands")), "Toolbar1");
  toolbar->setMovable(false);
  cmdPrintLog = ToolButton("cmdPrintLog", Picture::PrintLog, " Print Entire Log ");
  cmdPrintPartLog = ToolButton("cmdPrintPartLog", Picture::PrintPartLog, " Print Partial Log ");
  cmdPrintLogPage = ToolButton("cmdPrintLogPage", Picture::PrintLogPage,
                               " Print Log beginning with a Page Number");
  cmdPrintLbl = ToolButton("cmdPrintLbl", Picture::PrintLabels, " Print QSL Labels ");
  cmdCvttoHTML = ToolButton("cmdCvttoHTML", Picture::ConvertToHtml, "Convert Log to HTML");
  cmdExit = ToolButton("cmdExit", Picture::Exit, "Exit Program");
  for (QToolButton* button :
       {cmdPrintLog, cmdPrintPartLog, cmdPrintLogPage, cmdPrintLbl, cmdCvttoHTML}) {
    toolbar->addWidget(button);
  }
  toolbar->addSeparator();
  toolbar->addWidget(cmdExit);
  window.addToolBar(Qt::TopToolBarArea, toolbar);
}

void MainWindowForm::BuildMenus(QMainWindow& window) {
  const auto menu = [&window](const char* name, const QString& title) {
    return Named(window.menuBar()->addMenu(title), name);
  };
  const auto entry = [](QMenu* m, const char* name, const QString& text) {
    return Named(m->addAction(text), name);
  };

  QMenu* file = menu("mnuFile", tr("File"));
  mnuPrinterSetup = entry(file, "mnuPrinterSetup", tr("Printer Setup"));
  file->addSeparator();
  mnuExit = entry(file, "mnuExit", tr("Exit"));

  QMenu* print = menu("mnuPhead", tr("Print"));
  mnuPrint = entry(print, "mnuPrint", tr("Print Log Book"));
  mnuPrintLogPage = entry(print, "mnuPrintLogPage", tr("Print Log by Page"));
  mnuPartial = entry(print, "mnuPartial", tr("Print Partial Log"));
  mnuQSLlabel = entry(print, "mnuQSLlabel", tr("Print QSL Label"));
  mnuPreviewQSL = entry(print, "mnuPreviewQSL", tr("Preview QSL Labels"));

  QMenu* setUp = menu("mnuSetUp", tr("SetUp"));
  mnuInfo = entry(setUp, "mnuInfo", tr("Your Information"));
  mnuCustom_Label_Setup = entry(setUp, "mnuCustom_Label_Setup", tr("Custom Label Sheet Setup"));
  setUp->addSeparator();
  const char* designNames[] = {"mnuCustom_Label_Layout", "mnuCustom_Label_Layout2",
                               "mnuCustom_Label_Layout3"};
  for (std::size_t i = 0; i < designMenus.size(); ++i) {
    designMenus[i] = entry(setUp, designNames[i], QString());
  }
  setUp->addSeparator();
  mnuCustom_Log_Setup = entry(setUp, "mnuCustom_Log_Setup", tr("Custom Log Setup"));
  mnuCalibratePrinter = entry(setUp, "mnuCalibratePrinter", tr("Calibrate Printer"));

  QMenu* tools = menu("mnuTools", tr("Tools"));
  mnuEditIni = entry(tools, "mnuEditIni", tr("Edit Tavrilon.ini"));
  mnuCvttoHTML = entry(tools, "mnuCvttoHTML", tr("Convert Log to HTML"));
  mnuSaveSent = entry(tools, "mnuSaveSent", tr("Save Printed Contacts as Sent..."));

  QMenu* help = menu("mnuHelpFile", tr("Help"));
  mnuHelp = entry(help, "mnuHelp", tr("Help"));
  mnuAbout = entry(help, "mnuAbout", tr("About"));
}

}  // namespace tavrilon::app
