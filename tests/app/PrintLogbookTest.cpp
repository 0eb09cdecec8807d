#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <functional>

#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

namespace fs = std::filesystem;

std::string Contacts(int count) {
  std::string log = "<EOH>\n";
  for (int i = 1; i <= count; ++i) {
    log += "<CALL:" + std::to_string(2 + std::to_string(i).size()) + ">ZZ" + std::to_string(i) +
           "<QSO_DATE:8>20240115<TIME_ON:4>1200<EOR>\n";
  }
  return log;
}

class PrintLogbookTest : public MainWindowTest {
 protected:
  PrintLogbookTest() { fs::copy_file(test::ShippedDictionary(), dir_ / "tvadif.txt"); }

  void StartWithLog(const std::string& log) {
    test::WriteFile(dir_ / "mylog.adi", log);
    {
      Session setup(dir_.path(), settingsPath_);
      setup.Start();
      setup.Settings().WriteSetting("Log", "ADIFile", (dir_ / "mylog.adi").string());
      setup.Settings().WriteSetting("Globals", "Printer", "Tavrilon PDF");
    }
    StartWindow();
    desktop_.fileAnswers.push_back(QString::fromStdString((dir_ / "log.pdf").string()));
  }

  // Answers the modal dialog `name` once it is open: looks for it until it is.
  void WhenOpen(const char* name, std::function<void(QWidget*)> answer, int tries = 500) {
    QTimer::singleShot(10, window_.get(), [this, name, answer, tries] {
      if (QWidget* dialog = TopLevel(name)) {
        answer(dialog);
      } else if (tries > 0) {
        WhenOpen(name, answer, tries - 1);
      } else {
        ADD_FAILURE() << name << " never opened";
      }
    });
  }

  std::string PrintedText() {
    const std::string text = (dir_ / "log.txt").string();
    if (std::system(
            ("pdftotext -layout '" + (dir_ / "log.pdf").string() + "' '" + text + "'").c_str()) !=
        0) {
      return {};
    }
    return test::ReadFile(text);
  }
  QString Status() { return Find<QLabel>("StatusText")->text(); }
};

TEST_F(PrintLogbookTest, TheWholeLogPrintsToThePdfWithFootersAndPageNumbers) {
  StartWithLog(Contacts(40));
  Find<QToolButton>("cmdPrintLog")->click();
  EXPECT_EQ(Status(), QStringLiteral("Printing Complete -> 40 QSOs Submitted to 2 pages."));
  EXPECT_EQ(desktop_.fileDialogs.back(),
            QStringLiteral("Save PDF | ") +
                QString::fromStdString((dir_ / "mylog-logbook.pdf").string()));
  const std::string text = PrintedText();
  for (const char* expected : {"ZZ1", "ZZ33", "ZZ34", "ZZ40", "Page 1", "Page 2", "Printed On",
                               "Enter your call here", "H/RST", "COMMENTS"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
}

TEST_F(PrintLogbookTest, ThePartialLogAsksForTheRangeFirst) {
  StartWithLog(Contacts(5));
  WhenOpen("frmBegLog", [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Enter Beginning Date for Log"));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtBeginDate"))->setText(QStringLiteral("2024"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible()) << "a date that is not YYYYMMDD keeps the dialog";
    dialog->findChild<QLineEdit*>(QStringLiteral("txtBeginDate"))
        ->setText(QStringLiteral("20240301"));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtBeginTime"))->setText(QStringLiteral("12:00"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  });
  Find<QToolButton>("cmdPrintPartLog")->click();
  EXPECT_EQ(Status(), QStringLiteral("Nothing Printed"));
  EXPECT_TRUE(desktop_.messages.back().contains(QStringLiteral("no contacts in the chosen range")));
}

TEST_F(PrintLogbookTest, CancellingTheRangeOrAPageBelowOnePrintsNothing) {
  StartWithLog(Contacts(5));
  WhenOpen("frmBegLog", [](QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCXPartial")),
                      Qt::LeftButton);
  });
  Find<QAction>("mnuPartial")->trigger();
  WhenOpen("frmPrintLogPage", [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("txtPageNbr"))->setText(QStringLiteral("0"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrintLogPageOK")),
                      Qt::LeftButton);
  });
  Find<QAction>("mnuPrintLogPage")->trigger();
  EXPECT_EQ(desktop_.fileDialogs.size(), 0);
  EXPECT_FALSE(fs::exists(dir_ / "log.pdf"));
}

TEST_F(PrintLogbookTest, PrintingFromAPageLeavesTheEarlierPagesOut) {
  StartWithLog(Contacts(40));
  WhenOpen("frmPrintLogPage", [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("txtPageNbr"))->setText(QStringLiteral("2"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrintLogPageOK")),
                      Qt::LeftButton);
  });
  Find<QToolButton>("cmdPrintLogPage")->click();
  EXPECT_EQ(Status(), QStringLiteral("Printing Complete -> 7 QSOs Submitted to 2 pages."));
  const std::string text = PrintedText();
  EXPECT_NE(text.find("ZZ34"), std::string::npos);
  EXPECT_EQ(text.find("ZZ33 "), std::string::npos);
  EXPECT_NE(text.find("Page 2"), std::string::npos);
  EXPECT_EQ(text.find("Page 1"), std::string::npos);
}

}  // namespace
}  // namespace tavrilon::app
