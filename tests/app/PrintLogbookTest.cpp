#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

namespace fs = std::filesystem;

void AnswerStartPage(const char* page) {
  WhenOpen("frmPrintLogPage", [page](QWidget* dialog) {
    Child<QLineEdit>(dialog, "txtPageNbr")->setText(QString::fromLatin1(page));
    Click(dialog, "cmdPrintLogPageOK");
  });
}

TEST_F(MainWindowTest, TheWholeLogAndTheLogFromAPagePrintToThePdf) {
  StartWithLog(test::ContactLog(40));
  desktop_.fileAnswers = {Path("log.pdf")};
  Click(window_.get(), "cmdPrintLog");
  EXPECT_EQ(Status(), QStringLiteral("Printing Complete -> 40 QSOs Submitted to 2 pages."));
  ASSERT_TRUE(fs::remove(dir_ / "log.pdf"));

  desktop_.fileAnswers = {Path("log.pdf")};
  AnswerStartPage("2");
  Click(window_.get(), "cmdPrintLogPage");
  EXPECT_EQ(Status(), QStringLiteral("Printing Complete -> 7 QSOs Submitted to 2 pages."));
  EXPECT_TRUE(fs::exists(dir_ / "log.pdf"));
}

TEST_F(MainWindowTest, ThePartialLogAsksForAValidRangeAndPrintsNothingOutsideIt) {
  StartWithLog(test::ContactLog(5));
  desktop_.fileAnswers = {Path("log.pdf")};
  WhenOpen("frmBegLog", [](QWidget* dialog) {
    Child<QLineEdit>(dialog, "txtBeginDate")->setText(QStringLiteral("2024"));
    Click(dialog, "cmdOK");
    EXPECT_TRUE(dialog->isVisible()) << "a date that is not YYYYMMDD keeps the dialog";
    Child<QLineEdit>(dialog, "txtBeginDate")->setText(QStringLiteral("20240301"));
    Child<QLineEdit>(dialog, "txtBeginTime")->setText(QStringLiteral("12:00"));
    Click(dialog, "cmdOK");
  });
  Click(window_.get(), "cmdPrintPartLog");
  EXPECT_EQ(Status(), QStringLiteral("Nothing Printed"));
  EXPECT_TRUE(desktop_.messages.back().contains(QStringLiteral("no contacts in the chosen range")));

  // Cancelling the range, or a start page below one, prints nothing.
  WhenOpen("frmBegLog", [](QWidget* dialog) { Click(dialog, "cmdCXPartial"); });
  Find<QAction>("mnuPartial")->trigger();
  AnswerStartPage("0");
  Find<QAction>("mnuPrintLogPage")->trigger();
  EXPECT_EQ(desktop_.fileDialogs.size(), 1);
}

}  // namespace
}  // namespace tavrilon::app
