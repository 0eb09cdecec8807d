#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "app/QtText.h"

namespace tavrilon::app {
namespace {

namespace fs = std::filesystem;

TEST_F(MainWindowTest, LabelsAskForAPrinterThenGoToThePdfTheUserNames) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>\n<CALL:5>VK2DX<EOR>\n", false);
  TopLevel("frmSelectPtr")->close();
  Click(window_.get(), "cmdPrintLbl");  // no printer stored: it is asked for
  ASSERT_NE(TopLevel("frmSelectPtr"), nullptr);
  EXPECT_TRUE(desktop_.fileDialogs.isEmpty());
  printers_->Choose("Tavrilon PDF", session_->Settings());

  desktop_.fileAnswers = {std::nullopt, Path("labels.pdf")};
  Find<QAction>("mnuQSLlabel")->trigger();
  EXPECT_EQ(Status(), QStringLiteral("Printing Cancelled"));

  Find<QLineEdit>("txtLabelSkip")->setText(QString());
  Click(window_.get(), "cmdPrintLbl");
  EXPECT_EQ(StatusHead(), QStringLiteral("3 Labels Submitted to the Printer"));
  EXPECT_EQ(Find<QLineEdit>("txtLabelSkip")->text(), QStringLiteral("0"));
  EXPECT_GT(fs::file_size(dir_ / "labels.pdf"), 0U);
  EXPECT_TRUE(desktop_.messages.isEmpty()) << desktop_.messages.join(u'\n').toStdString();
}

TEST_F(MainWindowTest, ACustomDesignsFirstSheetIsPreviewed) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>\n<CALL:4>W1AW<EOR>\n");
  session_->Settings().WriteSetting("Custom Label Layout-2", "Field1ADIF", "CALL");
  Click(window_.get(), "optLabelLayCust2");
  Find<QComboBox>("cboOrder")->setCurrentIndex(1);
  Find<QAction>("mnuPreviewQSL")->trigger();
  QWidget* preview = TopLevel("frmPrintPreview");
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(Status(), QStringLiteral("Label 3"));
  EXPECT_TRUE(desktop_.messages.isEmpty()) << desktop_.messages.join(u'\n').toStdString();
}

TEST_F(MainWindowTest, ThePrintedContactsAreSavedAsSentFromTheToolsMenu) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<QSL_SENT:1>N<EOR>\n");
  auto* save = Find<QAction>("mnuSaveSent");
  save->trigger();  // no run yet: said so, and no dialog
  EXPECT_EQ(desktop_.messages, QStringList{ToQString(labels::kNoContactsToSave)});
  EXPECT_TRUE(desktop_.fileDialogs.isEmpty());

  desktop_.fileAnswers = {Path("labels.pdf"), std::nullopt, Path("cards")};
  desktop_.yesNoAnswers = {false, true};
  Click(window_.get(), "cmdPrintLbl");
  save->trigger();  // cancelled in the file dialog
  save->trigger();
  EXPECT_EQ(desktop_.questions.size(), 2);
  EXPECT_TRUE(desktop_.questions[0].startsWith("Do the cards of these 2 contacts go through"));
  EXPECT_EQ(desktop_.fileDialogs.back(),
            QStringLiteral("Save Printed Contacts as Sent | ") + Path("mylog-sent.adi"));
  EXPECT_EQ(Status(), QStringLiteral("2 contacts saved as sent to ") + Path("cards.adi"));
  EXPECT_EQ(desktop_.messages.size(), 1) << desktop_.messages.join(u'\n').toStdString();
}

// The contacts box and the date boxes choose what a run prints; a date that
// is no day, or a range that ends before it begins, starts nothing.
TEST_F(MainWindowTest, TheDatesAndCardsStillToSendChooseTheContacts) {
  StartWithLog(
      "<EOH>\n<CALL:4>W1AW<QSO_DATE:8>20240105<QSL_SENT:1>Y<EOR>\n"
      "<CALL:4>K1JT<QSO_DATE:8>20240110<EOR>\n<CALL:5>VK2DX<QSO_DATE:8>20240301<EOR>\n");
  auto* from = Find<QLineEdit>("txtFromDate");
  from->setText(QStringLiteral(" 2024013"));
  Click(window_.get(), "cmdPrintLbl");
  from->setText(QStringLiteral("20240201"));
  Find<QLineEdit>("txtToDate")->setText(QStringLiteral("20240131"));
  Find<QAction>("mnuPreviewQSL")->trigger();
  EXPECT_EQ(desktop_.messages,
            QStringList({"The date \"2024013\" in From is no day: type it as YYYYMMDD, for "
                         "example 20240131.",
                         "The From date 20240201 comes after the To date 20240131: no contact "
                         "lies between them."}));
  EXPECT_TRUE(desktop_.fileDialogs.isEmpty());
  EXPECT_EQ(TopLevel("frmPrintPreview"), nullptr);

  from->setText(QStringLiteral("20240101"));
  Find<QComboBox>("cboContacts")->setCurrentIndex(1);
  desktop_.fileAnswers = {Path("labels.pdf")};
  Click(window_.get(), "cmdPrintLbl");
  EXPECT_TRUE(Status().startsWith("1 Labels Submitted to the Printer: 1 of 3 contacts"))
      << Status().toStdString();
}

// A run that finds no callbook says so once; the runs after it print
// without mailing labels until the QRZ box is checked again.
TEST_F(MainWindowTest, NoCallbookIsToldOnceUntilTheQrzBoxIsCheckedAgain) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Find<QRadioButton>("optLabelLaySimp")->click();
  Find<QRadioButton>("optLblSet3")->click();
  auto* useQrz = Find<QCheckBox>("ckUseQRZ");
  useQrz->click();
  desktop_.fileAnswers = {Path("a.pdf"), Path("b.pdf"), Path("c.pdf")};
  Click(window_.get(), "cmdPrintLbl");  // the stored drive letter "C:"
  ASSERT_EQ(desktop_.messages.size(), 1);
  EXPECT_TRUE(desktop_.messages[0].startsWith("Error: the QRZ Database could not be found.\n"));
  Click(window_.get(), "cmdPrintLbl");
  EXPECT_EQ(desktop_.messages.size(), 1);
  EXPECT_TRUE(useQrz->isChecked());
  useQrz->click();
  useQrz->click();
  Click(window_.get(), "cmdPrintLbl");
  EXPECT_EQ(desktop_.messages.size(), 2);
  // Its QSL label and the return label, without the mailing label.
  EXPECT_EQ(StatusHead(), QStringLiteral("2 Labels Submitted to the Printer"));
}

}  // namespace
}  // namespace tavrilon::app
