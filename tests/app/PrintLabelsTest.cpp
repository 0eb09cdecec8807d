#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <cstdlib>

#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

namespace fs = std::filesystem;

class PrintLabelsTest : public MainWindowTest {
 protected:
  PrintLabelsTest() {
    fs::copy_file(test::ShippedDictionary(), dir_ / "tvadif.txt");
    test::WriteFile(dir_ / "mylog.adi",
                    "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>\n<CALL:5>VK2DX<EOR>\n");
  }

  // A program that has a log and, unless told otherwise, the PDF printer.
  void StartWithLog(bool printerStored = true) {
    {
      Session setup(dir_.path(), settingsPath_);
      setup.Start();
      setup.Settings().WriteSetting("QSL Labels", "ADIFile", (dir_ / "mylog.adi").string());
      if (printerStored) {
        setup.Settings().WriteSetting("Globals", "Printer", "Tavrilon PDF");
      }
    }
    StartWindow();
  }

  QString Status() { return Find<QLabel>("StatusText")->text(); }
};

TEST_F(PrintLabelsTest, LabelsGoToThePdfTheUserNamesAndTheStatusBarCountsThem) {
  StartWithLog();
  desktop_.fileAnswers.push_back(QString::fromStdString((dir_ / "labels.pdf").string()));
  Find<QLineEdit>("txtLabelSkip")->setText(QString());
  QTest::mouseClick(Find<QToolButton>("cmdPrintLbl"), Qt::LeftButton);

  EXPECT_EQ(
      desktop_.fileDialogs.back(),
      QStringLiteral("Save PDF | ") + QString::fromStdString((dir_ / "mylog-labels.pdf").string()));
  EXPECT_EQ(Status(), QStringLiteral("3 Labels Submitted to the Printer"));
  EXPECT_EQ(Find<QLineEdit>("txtLabelSkip")->text(), QStringLiteral("0"));
  ASSERT_TRUE(fs::exists(dir_ / "labels.pdf"));
  const std::string text = dir_.path().string() + "/labels.txt";
  ASSERT_EQ(
      std::system(("pdftotext '" + (dir_ / "labels.pdf").string() + "' '" + text + "'").c_str()),
      0);
  const std::string printed = test::ReadFile(text);
  for (const char* call : {"W1AW", "K1JT", "VK2DX"}) {
    EXPECT_NE(printed.find(call), std::string::npos) << call;
  }
  EXPECT_TRUE(desktop_.messages.isEmpty()) << desktop_.messages.join(u'\n').toStdString();
}

TEST_F(PrintLabelsTest, TheButtonAsksForAPrinterWhenNoneIsStored) {
  StartWithLog(false);
  TopLevel("frmSelectPtr")->close();
  QTest::mouseClick(Find<QToolButton>("cmdPrintLbl"), Qt::LeftButton);
  EXPECT_NE(TopLevel("frmSelectPtr"), nullptr);
  EXPECT_TRUE(desktop_.fileDialogs.isEmpty());
}

TEST_F(PrintLabelsTest, CancellingTheSaveDialogPrintsNothing) {
  StartWithLog();
  desktop_.fileAnswers.push_back(std::nullopt);
  Find<QAction>("mnuQSLlabel")->trigger();
  EXPECT_EQ(Status(), QStringLiteral("Printing Cancelled"));
  EXPECT_FALSE(fs::exists(dir_ / "mylog-labels.pdf"));
}

TEST_F(PrintLabelsTest, WithoutTheDictionaryTheProgramSaysSoAndEnds) {
  StartWithLog();
  fs::remove(dir_ / "tvadif.txt");
  QTest::mouseClick(Find<QToolButton>("cmdPrintLbl"), Qt::LeftButton);
  ASSERT_EQ(desktop_.messages.size(), 1);
  EXPECT_EQ(desktop_.messages[0],
            QStringLiteral("     TVADIF.txt file not found.\nTavrilon will not function properly\n"
                           "without the latest TVADIF.txt file."));
  EXPECT_EQ(desktop_.icons[0], MessageIcon::Critical);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(desktop_.endStatus, 2);
  EXPECT_TRUE(desktop_.fileDialogs.isEmpty());
}

}  // namespace
}  // namespace tavrilon::app
