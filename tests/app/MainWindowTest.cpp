#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/MainWindow.h"
#include "app/MainWindowFixture.h"
#include "print/PrinterChoice.h"
#include "support/TestSupport.h"

namespace tavrilon::app {
namespace {

TEST_F(MainWindowTest, FirstStartShowsTheFirstRunStateThenAsksForAPrinter) {
  MainWindow& window = StartWindow();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tavrilon  Version 0.1.0"));
  EXPECT_TRUE(Find<QRadioButton>("optLogLayDflt")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("optLabelLayDflt")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("optLblSet1")->isChecked());
  EXPECT_EQ(Find<QListWidget>("lstAveryLab")->currentItem()->text(), QStringLiteral("5160"));
  EXPECT_EQ(Find<QListWidget>("lstAveryLab")->count(), 33);
  EXPECT_FALSE(Find<QCheckBox>("chkSortFile")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("chkSortFile")->isEnabled());
  EXPECT_FALSE(Find<QCheckBox>("ckUseQRZ")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>("txtLabelSkip")->text(), QStringLiteral("0"));
  for (const char* button :
       {"cmdPrintLog", "cmdPrintPartLog", "cmdPrintLogPage", "cmdPrintLbl", "cmdCvttoHTML"}) {
    EXPECT_FALSE(Find<QToolButton>(button)->isEnabled()) << button;
  }
  EXPECT_TRUE(Find<QToolButton>("cmdExit")->isEnabled());

  QWidget* dialog = TopLevel("frmSelectPtr");
  ASSERT_NE(dialog, nullptr);
  auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPrinter"));
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("Tavrilon PDF"));
  EXPECT_EQ(list->selectedItems().size(), 0);
}

TEST_F(MainWindowTest, AChosenPrinterIsCurrentAtTheNextStartWithoutTheDialog) {
  StartWindow();
  QWidget* dialog = TopLevel("frmSelectPtr");
  ASSERT_NE(dialog, nullptr);
  auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPrinter"));
  list->setCurrentRow(1);
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdApply")), Qt::LeftButton);
  EXPECT_EQ(Setting("Globals", "Printer"), "Tavrilon PDF");
  EXPECT_EQ(printers_->Current(), "Tavrilon PDF");
  EXPECT_EQ(TopLevel("frmSelectPtr"), nullptr);

  StartWindow();
  EXPECT_EQ(TopLevel("frmSelectPtr"), nullptr);
  EXPECT_EQ(printers_->Current(), "Tavrilon PDF");
}

TEST_F(MainWindowTest, CancelInThePrinterDialogLeavesNoPrinterStored) {
  StartWindow();
  QWidget* dialog = TopLevel("frmSelectPtr");
  ASSERT_NE(dialog, nullptr);
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
  EXPECT_EQ(Setting("Globals", "Printer"), "<missing>");
  StartWindow();
  EXPECT_NE(TopLevel("frmSelectPtr"), nullptr);
}

TEST_F(MainWindowTest, ClickingStyle2WithTheDefaultDesignShowsTheRuleAndKeepsStyle1) {
  StartWindow();
  Find<QRadioButton>("optLblSet2")->click();
  ASSERT_EQ(desktop_.messages.size(), 1);
  EXPECT_EQ(desktop_.messages[0],
            QStringLiteral("Label Style 2 (QSL & Mailing Labels) can only be selected if Simple "
                           "Label Design is used"));
  EXPECT_TRUE(Find<QRadioButton>("optLblSet1")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("optLblSet2")->isChecked());
  EXPECT_EQ(Setting("QSL Labels", "LabelSet"), "1");

  Find<QRadioButton>("optLabelLaySimp")->click();
  Find<QRadioButton>("optLblSet3")->click();
  EXPECT_TRUE(Find<QCheckBox>("ckUseQRZ")->isEnabled());
  Find<QRadioButton>("optLabelLayCust2")->click();
  EXPECT_TRUE(Find<QRadioButton>("optLabelLaySimp")->isChecked());
  EXPECT_EQ(Setting("QSL Labels", "LabelLayOut"), "SIMPLE");
}

TEST_F(MainWindowTest, ChoosingAStockStoresItsIndex) {
  StartWindow();
  Find<QListWidget>("lstAveryLab")->setCurrentRow(30);
  EXPECT_EQ(Setting("QSL Labels", "LabelType"), "30");
  EXPECT_EQ(window_->State().LabelStock, "Custom 1");
}

// The description as read: the box keeps each entry whole with a no-break
// space after a colon (plain text gives it back as a blank) and a word
// joiner after a point before a digit.
QString Shown(const QPlainTextEdit* info) {
  QString text = info->toPlainText();
  return text.remove(QChar(0x2060)).replace(QChar(0x00A0), QLatin1Char(' '));
}

TEST_F(MainWindowTest, TheLabelInformationFollowsTheChosenStock) {
  StartWindow();
  auto* info = Find<QPlainTextEdit>("txtLabelInfo");
  EXPECT_EQ(Shown(info),
            QStringLiteral("5160 - A: 3   D: 10   HP: 2.80   VP: 1.0   TM: 0.45   LM: .15"));
  EXPECT_TRUE(
      info->toPlainText().endsWith(QStringLiteral(".") + QChar(0x2060) + QStringLiteral("15")));
  Find<QListWidget>("lstAveryLab")->setCurrentRow(27);
  EXPECT_EQ(Shown(info),
            QStringLiteral("L7162 - A: 2   D: 8   HP: 4.0   VP: 1.33   TM: 0.54   LM: 0.18"));
  Find<QListWidget>("lstAveryLab")->setCurrentRow(32);
  EXPECT_EQ(Shown(info), QStringLiteral("Not Defined"));
  EXPECT_TRUE(desktop_.messages.isEmpty());
}

TEST_F(MainWindowTest, CustomSheetsAreSetUpInOneDialogAndDescribedWhenNextPicked) {
  {
    settings::SettingsFile settings(settingsPath_);
    settings.WriteSetting("Custom Label", "Label-2", "Custom 2|3|10|2.8|1|0.5|0.15");
    settings.WriteSetting("QSL Labels", "LabelType", "31");
  }
  StartWindow();
  auto* info = Find<QPlainTextEdit>("txtLabelInfo");
  EXPECT_EQ(Shown(info),
            QStringLiteral("Custom 2 - A: 3   D: 10   HP: 2.8   VP: 1   TM: 0.5   LM: 0.15"));

  Find<QAction>("mnuCustom_Label_Setup")->trigger();
  QWidget* dialog = TopLevel("frmCustLabel");
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(dialog->isModal());
  Find<QAction>("mnuCustom_Label_Setup")->trigger();  // raised, not opened twice
  int open = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    open += w->objectName() == QLatin1String("frmCustLabel") && w->isVisible() ? 1 : 0;
  }
  EXPECT_EQ(open, 1);

  for (const char* box : {"Across", "Down", "Horiz", "Vert", "TopMarg", "LeftMarg"}) {
    dialog->findChild<QLineEdit*>(QStringLiteral("txtCL2") + QString::fromLatin1(box))->clear();
  }
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdLabelApply")),
                    Qt::LeftButton);
  EXPECT_EQ(Setting("Custom Label", "Label-2"), "Custom 2||||||");
  EXPECT_EQ(TopLevel("frmCustLabel"), nullptr);
  EXPECT_EQ(Shown(info),  // not refreshed by the dialog
            QStringLiteral("Custom 2 - A: 3   D: 10   HP: 2.8   VP: 1   TM: 0.5   LM: 0.15"));
  Find<QListWidget>("lstAveryLab")->setCurrentRow(0);
  Find<QListWidget>("lstAveryLab")->setCurrentRow(31);
  EXPECT_EQ(Shown(info), QStringLiteral("Not Defined"));
}

TEST_F(MainWindowTest, InputFileDialogsKeepTheFileOnCancelAndTakeAChosenOne) {
  test::WriteFile(dir_ / "mylog.adi", "<EOH>\n");
  StartWindow();
  desktop_.fileAnswers.push_back(std::nullopt);
  QTest::mouseClick(Find<QPushButton>("cmdLabelFileName"), Qt::LeftButton);
  EXPECT_EQ(Find<QLabel>("lblLabelFileName")->text(), QString());
  EXPECT_FALSE(Find<QToolButton>("cmdPrintLbl")->isEnabled());
  EXPECT_EQ(desktop_.fileDialogs.back(),
            QStringLiteral("Load Log Input File | ADIF Files (*.adi *.ADI *.adif *.ADIF)"));

  const QString log = QString::fromStdString((dir_ / "mylog.adi").string());
  desktop_.fileAnswers.push_back(log);
  QTest::mouseClick(Find<QPushButton>("cmdLogFileName"), Qt::LeftButton);
  EXPECT_EQ(Find<QLabel>("lblLogFileName")->text(), log);
  for (const char* button : {"cmdPrintLog", "cmdPrintPartLog", "cmdPrintLogPage", "cmdCvttoHTML"}) {
    EXPECT_TRUE(Find<QToolButton>(button)->isEnabled()) << button;
  }
  EXPECT_FALSE(Find<QToolButton>("cmdPrintLbl")->isEnabled());
  EXPECT_EQ(Setting("Log", "ADIFile"), log.toStdString());

  desktop_.fileAnswers.push_back(std::nullopt);
  QTest::mouseClick(Find<QPushButton>("cmdLogFileName"), Qt::LeftButton);
  EXPECT_EQ(Find<QLabel>("lblLogFileName")->text(), log);
  EXPECT_TRUE(Find<QToolButton>("cmdPrintLog")->isEnabled());
}

TEST_F(MainWindowTest, ADesignNameShowsAsItsMenuCaptionAtOnceAndAfterARestart) {
  StartWindow();
  desktop_.textAnswers.push_back(QStringLiteral("Contest"));
  Find<QAction>("mnuCustom_Label_Layout2")->trigger();
  EXPECT_EQ(desktop_.questions.back(),
            QStringLiteral("Name Needed: Enter name for Custom Label Design #2: "));
  EXPECT_EQ(Find<QAction>("mnuCustom_Label_Layout2")->text(),
            QStringLiteral("Custom Label Design - Contest"));
  StartWindow();
  EXPECT_EQ(Find<QAction>("mnuCustom_Label_Layout2")->text(),
            QStringLiteral("Custom Label Design - Contest"));
}

TEST_F(MainWindowTest, EveryControlCarriesItsNameCaptionAndTip) {
  StartWindow();
  struct Control {
    const char* name;
    const char* caption;
  } buttons[] = {
      {"cmdLabelFileName", "Label Input File"},
      {"cmdLogFileName", "Log Input File"},
      {"optLabelLayDflt", "Default"},
      {"optLabelLaySimp", "Simple"},
      {"optLabelLayCust1", "1"},
      {"optLabelLayCust2", "2"},
      {"optLabelLayCust3", "3"},
      {"optLblSet1", "QSL Only"},
      {"optLblSet2", "QSL && Mailing"},
      {"optLblSet3", "QSL, Mailing && Return"},
      {"optLogLayDflt", "Default"},
      {"optLogLayCust", "Custom"},
      {"ckUseQRZ", "Use QRZ to Print Address Labels?"},
      {"chkSortFile", "Sort File before printing"},
  };
  for (const Control& c : buttons) {
    EXPECT_EQ(Find<QAbstractButton>(c.name)->text(), QString::fromLatin1(c.caption)) << c.name;
  }
  const Control labels[] = {{"lblCustom", " Custom "},
                            {"lblChooseLabel", "Choose Label Sheet"},
                            {"lblLabelInfo", "Label Information:"},
                            {"lblSkipLabel", "Number of Labels to skip:"}};
  for (const Control& c : labels) {
    EXPECT_EQ(Find<QLabel>(c.name)->text(), QString::fromLatin1(c.caption)) << c.name;
  }
  const Control frames[] = {{"Frame4", "Select Label Design"},
                            {"Frame5", "Select Type of Labels to Print"},
                            {"Frame3", "Select Log Layout"}};
  for (const Control& c : frames) {
    EXPECT_EQ(Find<QGroupBox>(c.name)->title(), QString::fromLatin1(c.caption)) << c.name;
  }
  const Control tips[] = {{"cmdLabelFileName", "Select Input file for printing QSL Labels"},
                          {"cmdLogFileName", "Select Input file for printing your Logbook"},
                          {"cmdPrintLog", " Print Entire Log "},
                          {"cmdPrintPartLog", " Print Partial Log "},
                          {"cmdPrintLogPage", " Print Log beginning with a Page Number"},
                          {"cmdPrintLbl", " Print QSL Labels "},
                          {"cmdCvttoHTML", "Convert Log to HTML"},
                          {"cmdExit", "Exit Program"}};
  for (const Control& c : tips) {
    EXPECT_EQ(Find<QWidget>(c.name)->toolTip(), QString::fromLatin1(c.caption)) << c.name;
  }
  for (const char* name : {"txtQRZDrive", "txtLabelInfo", "txtLabelSkip", "lblLabelFileName",
                           "lblLogFileName", "Toolbar1", "StatusBar1", "ProgressBar"}) {
    Find<QWidget>(name);
  }

  // The menus and their entries, in order (separators as "-").
  const std::vector<std::pair<QString, QStringList>> menus = {
      {"mnuFile", {"mnuPrinterSetup", "-", "mnuExit"}},
      {"mnuPhead", {"mnuPrint", "mnuPrintLogPage", "mnuPartial", "mnuQSLlabel"}},
      {"mnuSetUp",
       {"mnuInfo", "mnuCustom_Label_Setup", "-", "mnuCustom_Label_Layout",
        "mnuCustom_Label_Layout2", "mnuCustom_Label_Layout3", "-", "mnuCustom_Log_Setup"}},
      {"mnuTools", {"mnuEditIni", "mnuCvttoHTML"}},
      {"mnuHelpFile", {"mnuHelp", "mnuAbout"}},
  };
  const QList<QAction*> bar = window_->menuBar()->actions();
  ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus.size()));
  for (std::size_t m = 0; m < menus.size(); ++m) {
    QMenu* menu = bar[static_cast<qsizetype>(m)]->menu();
    EXPECT_EQ(menu->objectName(), menus[m].first);
    QStringList names;
    for (QAction* action : menu->actions()) {
      names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    EXPECT_EQ(names, menus[m].second) << menus[m].first.toStdString();
  }
  const Control entries[] = {
      {"mnuPrinterSetup", "Printer Setup"},
      {"mnuExit", "Exit"},
      {"mnuPrint", "Print Log Book"},
      {"mnuPrintLogPage", "Print Log by Page"},
      {"mnuPartial", "Print Partial Log"},
      {"mnuQSLlabel", "Print QSL Label"},
      {"mnuInfo", "Your Information"},
      {"mnuCustom_Label_Setup", "Custom Label Sheet Setup"},
      {"mnuCustom_Label_Layout", "Custom Label Design 1"},
      {"mnuCustom_Label_Layout3", "Custom Label Design 3"},
      {"mnuCustom_Log_Setup", "Custom Log Setup"},
      {"mnuEditIni", "Edit Tavrilon.ini"},
      {"mnuCvttoHTML", "Convert Log to HTML"},
      {"mnuHelp", "Help"},
      {"mnuAbout", "About"},
  };
  for (const Control& c : entries) {
    EXPECT_EQ(Find<QAction>(c.name)->text(), QString::fromLatin1(c.caption)) << c.name;
  }
}

TEST_F(MainWindowTest, YourInformationTrimsOnApplyAndExitWritesNothing) {
  StartWindow();
  Find<QAction>("mnuInfo")->trigger();
  QWidget* dialog = TopLevel("frmInfoInput");
  ASSERT_NE(dialog, nullptr);
  auto* call = dialog->findChild<QLineEdit*>(QStringLiteral("txtCallSign"));
  EXPECT_EQ(call->text(), QStringLiteral("Enter your call here"));
  call->setText(QStringLiteral("  W1AW  "));
  dialog->findChild<QLineEdit*>(QStringLiteral("txtAddress2"))
      ->setText(QStringLiteral(" Main St "));
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdInfoApply")),
                    Qt::LeftButton);
  EXPECT_EQ(Setting("Globals", "MyCall"), "W1AW");
  EXPECT_EQ(Setting("Return Label", "Line2"), "Main St");
  EXPECT_EQ(TopLevel("frmInfoInput"), nullptr);

  Find<QAction>("mnuInfo")->trigger();
  dialog = TopLevel("frmInfoInput");
  ASSERT_NE(dialog, nullptr);
  dialog->findChild<QLineEdit*>(QStringLiteral("txtCallSign"))->setText(QStringLiteral("K1JT"));
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdInfoExit")), Qt::LeftButton);
  EXPECT_EQ(Setting("Globals", "MyCall"), "W1AW");
}

TEST_F(MainWindowTest, TheAboutBoxShowsTheStartVersionTextUntilItIsOpenedAgain) {
  StartWindow();
  Find<QAction>("mnuAbout")->trigger();
  QWidget* about = TopLevel("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->windowTitle(), QStringLiteral("About Tavrilon"));
  EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
            QStringLiteral("     0.1.0"));
  QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  QApplication::processEvents();
  Find<QAction>("mnuAbout")->trigger();
  about = TopLevel("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
            QStringLiteral("Version 0.1.0"));

  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(dir_.path().string()));
  QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
  qputenv("PATH", path);
  EXPECT_EQ(desktop_.messages.back(),
            QStringLiteral("System Information Is Unavailable At This Time"));
}

TEST_F(MainWindowTest, HelpAndSettingsOpenInTheDesktopsPrograms) {
  StartWindow();
  Find<QAction>("mnuHelp")->trigger();
  EXPECT_TRUE(desktop_.openedDocuments.isEmpty());
  EXPECT_TRUE(desktop_.messages.back().contains(QStringLiteral("Tavrilon-Help.pdf")));
  test::WriteFile(dir_ / "Tavrilon-Help.pdf", "%PDF-1.4\n");
  Find<QAction>("mnuHelp")->trigger();
  EXPECT_EQ(desktop_.openedDocuments.back(),
            QString::fromStdString((dir_ / "Tavrilon-Help.pdf").string()));
  Find<QAction>("mnuEditIni")->trigger();
  EXPECT_EQ(desktop_.openedDocuments.back(), QString::fromStdString(settingsPath_.string()));
}

TEST_F(MainWindowTest, SettingsThatCannotBeSavedAreReportedOnce) {
  test::WriteFile(dir_ / "not a folder", "");
  settingsPath_ = dir_ / "not a folder" / "tavrilon.ini";
  StartWindow();
  ASSERT_EQ(desktop_.messages.size(), 1);
  EXPECT_TRUE(desktop_.messages[0].contains(QStringLiteral("not a folder/tavrilon.ini")))
      << desktop_.messages[0].toStdString();
  Find<QRadioButton>("optLogLayCust")->click();
  EXPECT_EQ(desktop_.messages.size(), 1);
  EXPECT_TRUE(Find<QRadioButton>("optLogLayCust")->isChecked());  // the program goes on
}

// Apply in a dialog whose keys the settings file cannot take says so at once
// and keeps the dialog, with what was typed, open.
TEST_F(MainWindowTest, ApplyThatCannotBeSavedSaysWhyAndStaysOpen) {
  StartWindow();
  CloseTopLevels();
  window_->show();
  std::filesystem::permissions(settingsPath_, std::filesystem::perms::owner_read);
  const struct {
    const char* menu;
    const char* dialog;
    const char* apply;
  } dialogs[] = {{"mnuPrinterSetup", "frmSelectPtr", "cmdApply"},
                 {"mnuInfo", "frmInfoInput", "cmdInfoApply"},
                 {"mnuCustom_Label_Setup", "frmCustLabel", "cmdLabelApply"},
                 {"mnuCustom_Log_Setup", "frmCustLog", "cmdLogApply"}};
  for (const auto& d : dialogs) {
    Find<QAction>(d.menu)->trigger();
    QWidget* dialog = TopLevel(d.dialog);
    ASSERT_NE(dialog, nullptr) << d.dialog;
    if (auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPrinter"))) {
      list->setCurrentRow(0);
    }
    const auto shown = desktop_.messages.size();
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(d.apply)),
                      Qt::LeftButton);
    ASSERT_EQ(desktop_.messages.size(), shown + 1) << d.dialog;
    EXPECT_TRUE(desktop_.messages.back().contains(
        QString::fromStdString(settingsPath_.string() + ": the file is read-only")))
        << desktop_.messages.back().toStdString();
    EXPECT_TRUE(dialog->isVisible()) << d.dialog;
  }
}

TEST_F(MainWindowTest, ExitClosesEveryWindow) {
  StartWindow();
  Find<QAction>("mnuInfo")->trigger();
  ASSERT_NE(TopLevel("frmInfoInput"), nullptr);
  QTest::mouseClick(Find<QToolButton>("cmdExit"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(TopLevel("frmInfoInput"), nullptr);
  EXPECT_EQ(TopLevel("frmSelectPtr"), nullptr);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace tavrilon::app
