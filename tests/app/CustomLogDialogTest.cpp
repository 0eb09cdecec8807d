#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/CustomLogDialog.h"
#include "app/MainWindowFixture.h"
#include "settings/InitSettings.h"
#include "support/TestSupport.h"

namespace tavrilon::app {
namespace {

constexpr const char* kBoxes[] = {"SLD", "CH", "SLH", "LoF"};

class CustomLogDialogTest : public ::testing::Test {
 protected:
  ~CustomLogDialogTest() override { CloseTopLevels(); }

  CustomLogDialog& Open() {
    dialog_ = std::make_unique<CustomLogDialog>(settings_, dir_.path(), desktop_);
    dialog_->show();
    return *dialog_;
  }
  QComboBox* List(int column) {
    auto* list = dialog_->findChild<QComboBox*>(QStringLiteral("cboCG%1ADIF").arg(column));
    EXPECT_NE(list, nullptr) << column;
    return list;
  }
  QLineEdit* Box(int column, const char* box) {
    auto* edit = dialog_->findChild<QLineEdit*>(
        QStringLiteral("txtCG%1%2").arg(column).arg(QString::fromLatin1(box)));
    EXPECT_NE(edit, nullptr) << column << box;
    return edit;
  }
  QLineEdit* Grid() { return dialog_->findChild<QLineEdit*>(QStringLiteral("txtCustLogGrid")); }
  // The field list's text and the four boxes, as shown.
  QStringList Row(int column) {
    QStringList texts{List(column)->currentText()};
    for (const char* box : kBoxes) {
      texts << Box(column, box)->text();
    }
    return texts;
  }
  QStringList Items(int column) {
    QStringList items;
    for (int i = 0; i < List(column)->count(); ++i) {
      items << List(column)->itemText(i);
    }
    return items;
  }
  void Click(const char* button) {
    QTest::mouseClick(dialog_->findChild<QPushButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
  }
  std::string Stored(const std::string& key) {
    return settings_.ReadSetting("Custom Log", key, "<missing>");
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedDesktop desktop_;
  std::unique_ptr<CustomLogDialog> dialog_;
};

TEST_F(CustomLogDialogTest, TheShippedLayoutShowsTwelveColumns) {
  settings::InitSettings(settings_);
  Open();
  EXPECT_EQ(Row(1), QStringList({"QSO_DATE", "11", "DATE", "11", "11"}));
  EXPECT_EQ(Row(2), QStringList({"TIME_ON", "31", "TIME", "31", "5"}));
  EXPECT_EQ(Row(8), QStringList({"RST_RCVD", "108", "RCVD", "106", "4"}));
  EXPECT_EQ(Row(12), QStringList({"IOTA", "146", "IOTA", "146", "6"}));
  for (int column = 13; column <= 21; ++column) {
    EXPECT_EQ(Row(column), QStringList({" ", "", "", "", ""})) << column;  // the blank item
    EXPECT_EQ(List(column)->currentIndex(), 0) << column;
  }
  EXPECT_EQ(Grid()->text(), QStringLiteral("250"));
}

TEST_F(CustomLogDialogTest, TheListsOfferTheDictionaryAfterABlank) {
  test::WriteFile(dir_ / "tvadif.txt", "Field names\r\nCALL\n\n   \n BAND \nMODE\n");
  settings_.WriteSetting("Custom Log", "column3", "GRIDSQUARE,41,GRID,41,6");
  Open();
  const QStringList expected = {" ", "Field names", "CALL", " BAND ", "MODE"};
  for (int column = 1; column <= 21; ++column) {
    EXPECT_EQ(Items(column), expected) << column;
    EXPECT_TRUE(List(column)->isEditable()) << column;
  }
  EXPECT_EQ(List(3)->currentText(), QStringLiteral("GRIDSQUARE"));  // a name the lists lack
}

TEST_F(CustomLogDialogTest, WithoutADictionaryTheListsHoldOnlyTheBlank) {
  settings::InitSettings(settings_);
  Open();
  EXPECT_EQ(Items(1), QStringList({" "}));
  EXPECT_EQ(List(1)->currentText(), QStringLiteral("QSO_DATE"));
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(CustomLogDialogTest, AMissingGridIsStoredAs250EvenOnExit) {
  Open();
  EXPECT_EQ(Grid()->text(), QStringLiteral("250"));
  EXPECT_EQ(Stored("Grid"), "250");
  Click("cmdLogExit");
  EXPECT_EQ(Stored("Grid"), "250");
  EXPECT_EQ(Stored("column1"), "<missing>");

  settings_.WriteSetting("Custom Log", "Grid", "");
  Open();
  EXPECT_EQ(Grid()->text(), QStringLiteral("250"));
  EXPECT_EQ(Stored("Grid"), "250");
}

TEST_F(CustomLogDialogTest, ExitWritesNothing) {
  settings::InitSettings(settings_);
  const std::string before = test::ReadFile(settings_.Path());
  Open();
  List(1)->setCurrentText(QStringLiteral("CALL"));
  Box(2, "CH")->setText(QStringLiteral("UTC"));
  Grid()->setText(QStringLiteral("270"));
  Click("cmdLogExit");
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(test::ReadFile(settings_.Path()), before);
}

TEST_F(CustomLogDialogTest, ApplyStoresEveryRowAsTypedThenTheGridAndCloses) {
  settings::InitSettings(settings_);
  Open();
  Box(1, "CH")->setText(QStringLiteral("DATE, UTC"));  // a comma in a heading
  List(2)->setCurrentText(QStringLiteral(" NAME"));
  Box(2, "LoF")->setText(QStringLiteral(" 12 "));
  List(13)->setCurrentText(QStringLiteral("COMMENT"));
  Box(13, "SLD")->setText(QStringLiteral("abc"));
  Box(21, "CH")->setText(QStringLiteral("TOTAL"));
  Grid()->setText(QStringLiteral(" 260"));
  Click("cmdLogApply");
  EXPECT_FALSE(dialog_->isVisible());

  EXPECT_EQ(Stored("column1"), "QSO_DATE,11,DATE, UTC,11,11");
  EXPECT_EQ(Stored("column2"), "NAME,31,TIME,31, 12");  // the whole value is trimmed
  EXPECT_EQ(Stored("column3"), "CALL,41,CALL,41,10");
  EXPECT_EQ(Stored("column13"), "COMMENT,abc,,,");
  EXPECT_EQ(Stored("column14"), ",,,,");  // left at the blank item
  EXPECT_EQ(Stored("column21"), ",,TOTAL,,");
  EXPECT_EQ(Stored("Grid"), "260");

  Open();  // the comma now splits the heading and shifts what follows
  EXPECT_EQ(Row(1), QStringList({"QSO_DATE", "11", "DATE", " UTC", "11"}));
  EXPECT_EQ(Row(2), QStringList({"NAME", "31", "TIME", "31", " 12"}));
  EXPECT_EQ(Row(21), QStringList({" ", "", "TOTAL", "", ""}));
}

TEST_F(CustomLogDialogTest, ApplyWithEveryRowClearedWritesSeparatorsOnly) {
  settings::InitSettings(settings_);
  Open();
  for (int column = 1; column <= 21; ++column) {
    List(column)->setCurrentIndex(0);
    for (const char* box : kBoxes) {
      Box(column, box)->clear();
    }
  }
  Click("cmdLogApply");
  for (int column = 1; column <= 21; ++column) {
    EXPECT_EQ(Stored("column" + std::to_string(column)), ",,,,") << column;
  }
  EXPECT_EQ(Stored("Grid"), "250");
}

TEST_F(CustomLogDialogTest, CaptionsHeadingsAndTipsInThreeBlocks) {
  Open();
  EXPECT_EQ(dialog_->objectName(), QStringLiteral("frmCustLog"));
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Custom Log Setup"));
  const struct {
    const char* name;
    const char* caption;
    const char* tip;
  } headings[] = {
      {"lblADIFField", "ADIF Field", "Name of the ADIF field"},
      {"lblDataStart", "Data Start", "Starting location for the Data in millimeters"},
      {"lblHeading", "Heading", "Text you wish to use for column heading"},
      {"lblHeadingStart", "Heading Start",
       "Starting location for the Column Heading in millimeters"},
      {"lblLengthOfField", "Length of Field", "Length of the Data field in number of characters"},
  };
  for (int block = 1; block <= 3; ++block) {
    for (const auto& h : headings) {
      auto* label =
          dialog_->findChild<QLabel*>(QString::fromLatin1(h.name) + QString::number(block));
      ASSERT_NE(label, nullptr) << h.name << block;
      EXPECT_EQ(label->text(), QString::fromLatin1(h.caption));
      EXPECT_EQ(label->toolTip(), QString::fromLatin1(h.tip));
    }
  }
  for (int column = 1; column <= 21; ++column) {
    auto* label = dialog_->findChild<QLabel*>(QStringLiteral("lblColumn%1").arg(column));
    ASSERT_NE(label, nullptr) << column;
    EXPECT_EQ(label->text(), QStringLiteral("Column %1").arg(column));
  }
  EXPECT_EQ(dialog_->findChild<QLabel*>(QStringLiteral("lblCustLogGrid"))->text(),
            QStringLiteral("Length of Grid in Millimeters:"));
  ASSERT_NE(Grid(), nullptr);
  EXPECT_EQ(dialog_->findChild<QPushButton*>(QStringLiteral("cmdLogApply"))->text(),
            QStringLiteral("Apply"));
  EXPECT_EQ(dialog_->findChild<QPushButton*>(QStringLiteral("cmdLogExit"))->text(),
            QStringLiteral("Exit"));

  // Columns 1 to 7 down the first block, 8 to 14 beside them, 15 to 21 beside those.
  const auto at = [this](int column) { return List(column)->mapTo(dialog_.get(), QPoint()); };
  EXPECT_LT(at(1).y(), at(7).y());
  EXPECT_EQ(at(8).y(), at(1).y());
  EXPECT_EQ(at(15).y(), at(1).y());
  EXPECT_LT(at(7).x(), at(8).x());
  EXPECT_LT(at(14).x(), at(15).x());
  EXPECT_EQ(at(14).y(), at(7).y());
}

TEST_F(MainWindowTest, CustomLogSetupOpensOnceCentredAndNotModal) {
  std::filesystem::copy_file(test::ShippedDictionary(), dir_ / "tvadif.txt");
  StartWindow();
  Find<QAction>("mnuCustom_Log_Setup")->trigger();
  QWidget* dialog = TopLevel("frmCustLog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtCG1SLD"))->text(),
            QStringLiteral("11"));
  EXPECT_GT(dialog->findChild<QComboBox*>(QStringLiteral("cboCG1ADIF"))->count(), 1)
      << "the dictionary beside the program";
  // Centred before it is shown; the frame it gets then moves it a few pixels.
  const QPoint centre = dialog->screen()->geometry().center();
  EXPECT_NEAR(dialog->frameGeometry().center().x(), centre.x(), 4);
  EXPECT_NEAR(dialog->frameGeometry().center().y(), centre.y(), 4);

  Find<QAction>("mnuCustom_Log_Setup")->trigger();  // raised, not opened twice
  int open = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    open += w->objectName() == QLatin1String("frmCustLog") && w->isVisible() ? 1 : 0;
  }
  EXPECT_EQ(open, 1);
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdLogExit")), Qt::LeftButton);
  EXPECT_EQ(TopLevel("frmCustLog"), nullptr);
}

}  // namespace
}  // namespace tavrilon::app
