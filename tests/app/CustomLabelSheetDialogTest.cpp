#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/CustomLabelSheetDialog.h"
#include "app/ScriptedDesktop.h"
#include "support/TestSupport.h"

namespace tavrilon::app {
namespace {

constexpr const char* kBoxes[] = {"Across", "Down", "Horiz", "Vert", "TopMarg", "LeftMarg"};

class CustomLabelSheetDialogTest : public ::testing::Test {
 protected:
  CustomLabelSheetDialog& Open() {
    dialog_ = std::make_unique<CustomLabelSheetDialog>(settings_, desktop_);
    dialog_->show();
    return *dialog_;
  }
  QLineEdit* Box(int sheet, const char* column) {
    auto* box = dialog_->findChild<QLineEdit*>(
        QStringLiteral("txtCL%1%2").arg(sheet).arg(QString::fromLatin1(column)));
    EXPECT_NE(box, nullptr) << sheet << column;
    return box;
  }
  QStringList Row(int sheet) {
    QStringList texts;
    for (const char* column : kBoxes) {
      texts << Box(sheet, column)->text();
    }
    return texts;
  }
  void Click(const char* button) {
    QTest::mouseClick(dialog_->findChild<QPushButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
  }
  std::string Stored(const char* key) {
    return settings_.ReadSetting("Custom Label", key, "<missing>");
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  test::ScriptedDesktop desktop_;
  std::unique_ptr<CustomLabelSheetDialog> dialog_;
};

TEST_F(CustomLabelSheetDialogTest, OpeningFillsOnlyTheDefinedRows) {
  settings_.WriteSetting("Custom Label", "Label-1", "");
  settings_.WriteSetting("Custom Label", "Label-2", "Custom 2|3|10|2.8|1|0.5|0.15");
  settings_.WriteSetting("Custom Label", "Label-3", "Custom 3|2|7");
  Open();
  EXPECT_EQ(Row(1), QStringList({"", "", "", "", "", ""}));
  EXPECT_EQ(Row(2), QStringList({"3", "10", "2.8", "1", "0.5", "0.15"}));
  EXPECT_EQ(Row(3), QStringList({"2", "7", "", "", "", ""}));  // a short value fills what it has
}

TEST_F(CustomLabelSheetDialogTest, ApplyStoresEveryRowAsTypedAndCloses) {
  Open();
  const char* typed[] = {"3", "10", "2.8", "1", "abc", " .15"};
  for (std::size_t c = 0; c < std::size(kBoxes); ++c) {
    Box(1, kBoxes[c])->setText(QString::fromLatin1(typed[c]));
  }
  Box(3, "Down")->setText(QStringLiteral("7"));
  Click("cmdLabelApply");
  EXPECT_EQ(Stored("Label-1"), "Custom 1|3|10|2.8|1|abc| .15");
  EXPECT_EQ(Stored("Label-2"), "Custom 2||||||");
  EXPECT_EQ(Stored("Label-3"), "Custom 3||7||||");
  EXPECT_FALSE(dialog_->isVisible());

  Open();
  EXPECT_EQ(Row(1), QStringList({"3", "10", "2.8", "1", "abc", " .15"}));
}

TEST_F(CustomLabelSheetDialogTest, ExitWritesNothing) {
  Open();
  Box(2, "Across")->setText(QStringLiteral("4"));
  Click("cmdlabelEnd");
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(Stored("Label-2"), "<missing>");
}

TEST_F(CustomLabelSheetDialogTest, CaptionsHeadingsAndTips) {
  Open();
  EXPECT_EQ(dialog_->objectName(), QStringLiteral("frmCustLabel"));
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Custom Label Sheet Setup"));
  QStringList labels;
  for (const char* name :
       {"lblCustomLabel1", "lblCustomLabel2", "lblCustomLabel3", "lblNumberAcross", "lblNumberDown",
        "lblHorizPitch", "lblVertPitch", "lblTopMargin", "lblLeftMargin"}) {
    auto* label = dialog_->findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr) << name;
    labels << label->text();
  }
  EXPECT_EQ(labels, QStringList({"Custom Label 1", "Custom Label 2", "Custom Label 3",
                                 "Number Across", "Number Down", "Horizontal Pitch",
                                 "Vertical Pitch", "Top Margin", "Left Margin"}));
  const QStringList tips = {
      "Enter number of Labels across the page", "Enter number of Labels down the page",
      "Enter Horizontal Pitch (in inches)",     "Enter Vertical Pitch (in inches)",
      "Enter Top Margin (in inches)",           "Enter Left Margin (in inches)"};
  for (int sheet = 1; sheet <= 3; ++sheet) {
    for (std::size_t c = 0; c < std::size(kBoxes); ++c) {
      EXPECT_EQ(Box(sheet, kBoxes[c])->toolTip(), tips[static_cast<qsizetype>(c)]);
    }
  }
  EXPECT_EQ(dialog_->findChild<QPushButton*>(QStringLiteral("cmdLabelApply"))->text(),
            QStringLiteral("Apply"));
  EXPECT_EQ(dialog_->findChild<QPushButton*>(QStringLiteral("cmdlabelEnd"))->text(),
            QStringLiteral("Exit"));
}

}  // namespace
}  // namespace tavrilon::app
