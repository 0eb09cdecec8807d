#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"

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
  EXPECT_EQ(Status(), QStringLiteral("3 Labels Submitted to the Printer"));
  EXPECT_EQ(Find<QLineEdit>("txtLabelSkip")->text(), QStringLiteral("0"));
  EXPECT_GT(fs::file_size(dir_ / "labels.pdf"), 0U);
  EXPECT_TRUE(desktop_.messages.isEmpty()) << desktop_.messages.join(u'\n').toStdString();
}

}  // namespace
}  // namespace tavrilon::app
