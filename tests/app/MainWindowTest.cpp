#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "app/SheetFinder.h"

namespace tavrilon::app {
namespace {

TEST_F(MainWindowTest, FirstStartShowsTheStateAndAsksForAPrinterUntilOneIsChosen) {
  EXPECT_EQ(StartWindow().windowTitle(), QStringLiteral("Tavrilon  Version 0.1.0"));
  EXPECT_TRUE(Find<QRadioButton>("optLabelLayDflt")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("optLblSet1")->isChecked());
  EXPECT_FALSE(Find<QToolButton>("cmdPrintLog")->isEnabled());
  // Word joiners keep ".15" and the like whole where the description wraps.
  EXPECT_EQ(Find<QPlainTextEdit>("txtLabelInfo")->toPlainText().remove(QChar(0x2060)),
            QStringLiteral("5160 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"));
  EXPECT_EQ(Find<QPlainTextEdit>("txtLabelInfo")->toPlainText().count(QChar(0x2060)), 4);
  ASSERT_NE(TopLevel("frmSelectPtr"), nullptr);
  Click(TopLevel("frmSelectPtr"), "cmdCancel");
  StartWindow();
  ASSERT_NE(TopLevel("frmSelectPtr"), nullptr) << "asked again";
  printers_->Choose("Tavrilon PDF", session_->Settings());
  StartWindow();
  EXPECT_EQ(TopLevel("frmSelectPtr"), nullptr);
  EXPECT_EQ(printers_->Current(), "Tavrilon PDF");
}

// Each control reaches its handler, and the window then shows what resulted.
TEST_F(MainWindowTest, TheControlsReachTheirHandlers) {
  test::WriteFile(dir_ / "mylog.adi", "<EOH>\n");
  StartWindow();
  Find<QRadioButton>("optLblSet2")->click();  // refused with the Default design
  EXPECT_EQ(desktop_.messages.size(), 1);
  EXPECT_TRUE(Find<QRadioButton>("optLblSet1")->isChecked());
  Find<QRadioButton>("optLabelLaySimp")->click();
  Find<QRadioButton>("optLblSet3")->click();
  Find<QCheckBox>("ckUseQRZ")->click();
  auto* perStation = Find<QCheckBox>("chkAddressPerStation");
  perStation->click();
  auto* qrzFolder = Find<QLineEdit>("txtQRZDrive");
  QTest::keyClicks(qrzFolder, "/cb");
  EXPECT_EQ(Setting("QSL Labels", "CDdrive"), "C:/cb");
  desktop_.fileAnswers.push_back(Path("Callbook"));
  Click(window_.get(), "cmdQRZFolder");
  EXPECT_EQ(Setting("QSL Labels", "CDdrive"), (dir_ / "Callbook").string());
  EXPECT_EQ(qrzFolder->text(), Path("Callbook"));
  Find<QRadioButton>("optLblSet1")->click();
  EXPECT_FALSE(perStation->isEnabled());  // no mailing labels
  Find<QRadioButton>("optLabelLayCust2")->click();
  Find<QComboBox>("cboOrder")->setCurrentIndex(2);
  Find<QComboBox>("cboContacts")->setCurrentIndex(1);
  Find<QRadioButton>("optLogLayCust")->click();
  Find<QListWidget>("lstAveryLab")->setCurrentRow(30);
  EXPECT_EQ(Setting("QSL Labels", "UseQRZ") + Setting("QSL Labels", "AddressPerStation") +
                Setting("QSL Labels", "LabelLayOut") + Setting("QSL Labels", "SortFile") +
                Setting("QSL Labels", "Contacts") + Setting("Log", "LogLayOut") +
                Setting("QSL Labels", "LabelType"),
            "TRUE1CUSTOM22to-sendCUSTOM30");
  desktop_.fileAnswers = {Path("my cty.dat"), std::nullopt};
  Click(window_.get(), "cmdCountryFile");
  Click(window_.get(), "cmdCountryFile");  // cancelled: the file stays
  EXPECT_EQ(Setting("QSL Labels", "CountryFile"), (dir_ / "my cty.dat").string());
  EXPECT_EQ(Find<QLabel>("lblCountryFile")->text(), Path("my cty.dat") + " (not found)");
  desktop_.textAnswers.push_back(QStringLiteral("Contest"));
  Find<QAction>("mnuCustom_Label_Layout2")->trigger();
  EXPECT_EQ(Find<QAction>("mnuCustom_Label_Layout2")->text(),
            QStringLiteral("Custom Label Design - Contest"));

  desktop_.fileAnswers = {std::nullopt, Path("mylog.adi"), std::nullopt};
  Click(window_.get(), "cmdLabelFileName");
  EXPECT_EQ(desktop_.fileDialogs.back(),
            QStringLiteral("Load Log Input File | ADIF Files (*.adi *.ADI *.adif *.ADIF)"));
  Click(window_.get(), "cmdLogFileName");
  Click(window_.get(), "cmdLogFileName");  // cancelled: the file stays
  EXPECT_EQ(Find<QLabel>("lblLogFileName")->text(), Path("mylog.adi"));
  EXPECT_TRUE(Find<QToolButton>("cmdPrintLog")->isEnabled());
  EXPECT_FALSE(Find<QToolButton>("cmdPrintLbl")->isEnabled());
}

// Types into each box its own name and picks the first entry of a list.
void TypeNames(QWidget* dialog) {
  for (auto* edit : dialog->findChildren<QLineEdit*>(QRegularExpression("^txt"))) {
    edit->setText(edit->objectName());
  }
  if (auto* list = dialog->findChild<QListWidget*>()) {
    list->setCurrentRow(0);
  }
}

// The four set-up dialogs, with the menu entry that opens each.
constexpr struct {
  const char* menu;
  const char* dialog;
  const char* apply;
  const char* exit;
} kSetUpDialogs[] = {{"mnuPrinterSetup", "frmSelectPtr", "cmdApply", "cmdCancel"},
                     {"mnuInfo", "frmInfoInput", "cmdInfoApply", "cmdInfoExit"},
                     {"mnuCustom_Label_Setup", "frmCustLabel", "cmdLabelApply", "cmdlabelEnd"},
                     {"mnuCustom_Log_Setup", "frmCustLog", "cmdLogApply", "cmdLogExit"}};

// They open not modal, a second open raises the first, Exit
// writes nothing, Apply stores each box under its own key, and the program's
// Exit closes them with it.
TEST_F(MainWindowTest, SetUpDialogsOpenOnceCentredAndStoreOnlyOnApply) {
  StartWindow();
  CloseTopLevels();
  window_->show();
  for (const auto& d : kSetUpDialogs) {
    const std::string stored = test::ReadFile(settingsPath_);
    for (const char* button : {d.exit, d.apply}) {
      Find<QAction>(d.menu)->trigger();
      Find<QAction>(d.menu)->trigger();
      ASSERT_EQ(OpenWindows(d.dialog).size(), 1) << d.dialog;
      QWidget* dialog = TopLevel(d.dialog);
      EXPECT_FALSE(dialog->isModal()) << d.dialog;
      TypeNames(dialog);
      Click(dialog, button);
      EXPECT_EQ(TopLevel(d.dialog), nullptr) << d.dialog;
      if (button == d.exit) {
        EXPECT_EQ(test::ReadFile(settingsPath_), stored) << d.dialog;
      }
    }
  }
  EXPECT_EQ(Setting("Globals", "Printer"), "Office_Laser");
  EXPECT_EQ(Setting("Globals", "MyCall"), "txtCallSign");
  EXPECT_EQ(Setting("Custom Label", "Label-3"),
            "Custom 3|txtCL3Across|txtCL3Down|txtCL3Horiz|txtCL3Vert|txtCL3TopMarg|txtCL3LeftMarg|"
            "txtCL3Width|txtCL3Height");
  EXPECT_EQ(Setting("Custom Log", "Grid"), "txtCustLogGrid");

  for (const auto& d : kSetUpDialogs) {
    Find<QAction>(d.menu)->trigger();
  }
  Click(window_.get(), "cmdExit");
  QApplication::processEvents();
  for (const auto& d : kSetUpDialogs) {
    EXPECT_TRUE(OpenWindows(d.dialog).isEmpty()) << d.dialog;
  }
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, AboutHelpAndSettingsGoThroughTheDesktop) {
  StartWindow();
  Find<QAction>("mnuAbout")->trigger();
  QWidget* about = TopLevel("frmAbout");
  ASSERT_NE(about, nullptr);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(dir_.path().string()));
  Click(about, "cmdSysInfo");
  qputenv("PATH", path);
  EXPECT_EQ(desktop_.messages.back(),
            QStringLiteral("System Information Is Unavailable At This Time"));

  Find<QAction>("mnuHelp")->trigger();
  EXPECT_TRUE(desktop_.openedDocuments.isEmpty());
  EXPECT_TRUE(desktop_.messages.back().contains(QStringLiteral("Tavrilon-Help.pdf")));
  test::WriteFile(dir_ / "Tavrilon-Help.pdf", "%PDF-1.4\n");
  Find<QAction>("mnuHelp")->trigger();
  Find<QAction>("mnuEditIni")->trigger();
  EXPECT_EQ(
      desktop_.openedDocuments,
      QStringList({Path("Tavrilon-Help.pdf"), QString::fromStdString(settingsPath_.string())}));
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
  for (const auto& d : kSetUpDialogs) {
    Find<QAction>(d.menu)->trigger();
    QWidget* dialog = TopLevel(d.dialog);
    ASSERT_NE(dialog, nullptr) << d.dialog;
    TypeNames(dialog);  // typed: an untouched prompt would not be written
    const auto shown = desktop_.messages.size();
    Click(dialog, d.apply);
    ASSERT_EQ(desktop_.messages.size(), shown + 1) << d.dialog;
    EXPECT_TRUE(desktop_.messages.back().contains(
        QString::fromStdString(settingsPath_.string() + ": the file is read-only")))
        << desktop_.messages.back().toStdString();
    EXPECT_TRUE(dialog->isVisible()) << d.dialog;
  }
}

// A new user's window: the call is asked for before the first label run (that
// the return label prints no prompt is the Simple run's test), the information
// dialog shows the prompts only as placeholders, and a call applied there heads
// the next page.
TEST_F(MainWindowTest, FirstRunPromptsPrintAsNothingAndAnAppliedCallHoldsAtOnce) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Find<QRadioButton>("optLabelLaySimp")->click();
  Find<QRadioButton>("optLblSet3")->click();
  desktop_.textAnswers = {QStringLiteral("K1ABC")};
  desktop_.fileAnswers = {Path("labels.pdf")};
  Click(window_.get(), "cmdPrintLbl");
  EXPECT_EQ(Setting("Globals", "MyCall"), "K1ABC");
  EXPECT_EQ(StatusHead(), QStringLiteral("2 Labels Submitted to the Printer"));

  Find<QAction>("mnuInfo")->trigger();
  QWidget* dialog = TopLevel("frmInfoInput");
  ASSERT_NE(dialog, nullptr);
  auto* line4 = Child<QLineEdit>(dialog, "txtAddress4");
  EXPECT_EQ(line4->text() + "|" + line4->placeholderText(), QStringLiteral("|Your Address Line 4"));
  Child<QLineEdit>(dialog, "txtCallSign")->setText(QStringLiteral("W9XYZ"));
  Click(dialog, "cmdInfoApply");
  EXPECT_EQ(Setting("Return Label", "Line4"), "Your Address Line 4");  // not typed: kept
  Click(window_.get(), "cmdCvttoHTML");
  EXPECT_NE(test::ReadFile(dir_ / "mylog.html").find("<title>W9XYZ Logbook</title>"),
            std::string::npos);
}

// A sheet of the label database is found as one types, chosen, kept, and
// printed on its own paper.
TEST_F(MainWindowTest, ADatabaseSheetIsFoundChosenAndPrintedOnItsPaper) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  session_->Settings().WriteSetting("QSL Labels", "TemplateFolder",
                                    (test::TestDataFolder() / "sheets" / "system").string());
  StartWindow();
  auto* finder = Find<SheetFinder>("txtFindSheet");
  QTest::keyClicks(finder, "testa 70X36");
  EXPECT_TRUE(
      finder->Offered().contains(QStringLiteral("Testa 100  -  70 x 36 mm, A4, Address labels")))
      << finder->Offered().join('|').toStdString();
  finder->setText(QStringLiteral("TESTA 100"));
  QTest::keyClick(finder, Qt::Key_Return);
  EXPECT_EQ(Setting("QSL Labels", "DatabaseSheet"), "Testa 100");
  EXPECT_EQ(Find<QListWidget>("lstAveryLab")->currentRow(), -1);
  EXPECT_TRUE(Find<QPlainTextEdit>("txtLabelInfo")->toPlainText().startsWith("Testa 100 - A: 3"));
  desktop_.fileAnswers = {Path("labels.pdf")};
  Click(window_.get(), "cmdPrintLbl");
  EXPECT_EQ(StatusHead(), QStringLiteral("1 Labels Submitted to the Printer"));
  EXPECT_NE(test::ReadFile(dir_ / "labels.pdf").find("/MediaBox [0 0 595"), std::string::npos);
  StartWindow();
  EXPECT_EQ(Find<SheetFinder>("txtFindSheet")->text(), QStringLiteral("Testa 100"));
  Find<QListWidget>("lstAveryLab")->setCurrentRow(3);
  EXPECT_EQ(Setting("QSL Labels", "DatabaseSheet"), "");
}

}  // namespace
}  // namespace tavrilon::app
