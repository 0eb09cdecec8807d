#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

// The alignment page prints; the shift measured in inches is stored in millimetres for the printer
// in use; a slip of the keyboard keeps the dialog open and says why.
TEST_F(MainWindowTest, CalibratePrinterStoresTheShiftForThePrinterInUse) {
  StartWithLog(test::ContactLog(3));
  session_->Settings().WriteSetting("Printer Calibration", "Tavrilon PDF", "0.5,0");
  desktop_.fileAnswers = {Path("align.pdf")};
  WhenOpen("frmCalibrate", [](QWidget* dialog) {
    Click(dialog, "cmdAlignmentPage");
    auto* across = Child<QLineEdit>(dialog, "txtAcross");
    auto* down = Child<QLineEdit>(dialog, "txtDown");
    EXPECT_EQ(across->text(), QStringLiteral("0.5"));
    Child<QRadioButton>(dialog, "optInches")->click();
    EXPECT_EQ(across->text(), QString::number(0.5 / 25.4, 'g', 4));
    across->setText(QStringLiteral("1/16"));
    Click(dialog, "cmdOK");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Child<QLabel>(dialog, "lblError")->text().contains(QStringLiteral("-20 to 20")));
    // Grown to hold the message, so that no line of the instructions is cut.
    EXPECT_GE(dialog->height(), dialog->layout()->totalHeightForWidth(dialog->width()));
    across->setText(QStringLiteral("0.06"));
    down->setText(QStringLiteral("-.04"));
    Click(dialog, "cmdOK");
  });
  Find<QAction>("mnuCalibratePrinter")->trigger();
  EXPECT_EQ(Setting("Printer Calibration", "Tavrilon PDF"), "1.524,-1.016");
  EXPECT_EQ(desktop_.fileDialogs.back(), "Save PDF | " + Path("mylog-alignment-page.pdf"));
  EXPECT_GT(std::filesystem::file_size(dir_ / "align.pdf"), 1000U);
  EXPECT_EQ(Status(),
            QStringLiteral("Calibration of Tavrilon PDF: 1.524 mm across, -1.016 mm down"));
}

}  // namespace
}  // namespace tavrilon::app
