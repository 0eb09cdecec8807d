#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "app/LabelViewWidget.h"
#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

constexpr const char* kDesign = "Custom Label Layout-1";

class DesignEditorTest : public MainWindowTest {
 protected:
  void Store(const char* key, const char* value) {
    session_->Settings().WriteSetting(kDesign, key, value);
  }
  std::string Stored(const char* key) { return Setting(kDesign, key); }
  QWidget* OpenEditor() {
    Find<QAction>("mnuCustom_Label_Layout")->trigger();
    return TopLevel("frmCustLabelLayout");
  }
  // The frame of field n, and a control in it.
  static QGroupBox* Frame(QWidget* editor, int field) {
    for (auto* frame : editor->findChildren<QGroupBox*>(QStringLiteral("fraField1"))) {
      if (frame->property("index").toInt() == field - 1) {
        return frame;
      }
    }
    return nullptr;
  }
  static QString Summary(QWidget* editor, int field, const char* label) {
    return Child<QLabel>(Frame(editor, field), label)->text();
  }
  static void Change(QWidget* editor, int field) { Click(Frame(editor, field), "cmdChange"); }
};

TEST_F(DesignEditorTest, TheNameIsShownWithEveryKeystrokeAndWhatLoadingShowsIsStored) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Store("MultiLines", "");
  desktop_.textAnswers = {QStringLiteral("Club")};
  QWidget* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("Custom Label Design - Club"));
  EXPECT_EQ(Child<QLineEdit>(editor, "txtMultiLines")->text(), QStringLiteral("1"));
  EXPECT_EQ(Stored("MultiLines"), "1");
  // A new design, named only, starts upright.
  EXPECT_EQ(Stored("Orientation"), "Port");
  EXPECT_TRUE(Child<QRadioButton>(editor, "optPortrait")->isChecked());

  QTest::keyClicks(Child<QLineEdit>(editor, "txtName"), "s");
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("Custom Label Design - Clubs"));
  EXPECT_EQ(Find<QAction>("mnuCustom_Label_Layout")->text(),
            QStringLiteral("Custom Label Design - Clubs"));
}

TEST_F(DesignEditorTest, DesignSettingsAreWrittenLiveAndClearAllLeavesThemAlone) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Store("Name", "Club");
  Store("Field3ADIF", "CALL");
  Store("Field3Horiz", "1.5");
  Store("Field3MultiRpt", "1.0");  // as the renderer reads it
  QWidget* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Frame(editor, 3)->title(), QStringLiteral("Field 3 Repeats"));
  // A click on a caption is a click on its box.
  for (const char* caption : {"lblGrid", "lblPortrait", "lblPrintQSL"}) {
    QTest::mouseClick(Child<QLabel>(editor, caption), Qt::LeftButton);
  }
  QTest::keyClicks(Child<QLineEdit>(editor, "txtMultiDx"), ".25");
  editor->resize(editor->minimumSize());  // the numbers still show whole
  for (auto* box : editor->findChildren<QLineEdit*>(QRegularExpression("txtMulti|txtImage"))) {
    EXPECT_GT(box->width(), box->fontMetrics().horizontalAdvance("-10.125"))
        << box->objectName().toStdString();
  }
  EXPECT_EQ(Stored("ShowGrid"), "1");
  EXPECT_EQ(Stored("Orientation"), "Port");
  EXPECT_EQ(Stored("Print Image"), "TRUE");
  EXPECT_EQ(Stored("MultiDx"), "0.25");

  Click(editor, "cmdClearAll");  // answered No
  EXPECT_EQ(Stored("Field3ADIF"), "CALL");
  desktop_.yesNoAnswers = {true};
  Click(editor, "cmdClearAll");
  ASSERT_EQ(desktop_.warnings.size(), 2);
  EXPECT_EQ(Frame(editor, 3)->title(), QStringLiteral("Field 3"));
  EXPECT_EQ(Summary(editor, 3, "lblHoriz"), QStringLiteral("H 0"));
}

TEST_F(DesignEditorTest, OneOptionsDialogAtATimeWritesItsFieldOnApplyOnly) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Store("Name", "Club");
  QWidget* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  Change(editor, 3);
  QWidget* dialog = TopLevel("frmCLLOptions");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Customized Options for Field 3"));
  auto* fields = Child<QComboBox>(dialog, "cboADIF");
  EXPECT_EQ(fields->itemText(1), QStringLiteral("ADDRESS"));  // not the dictionary's note

  Change(editor, 5);
  EXPECT_EQ(desktop_.warnings.size(), 1);
  EXPECT_EQ(OpenWindows("frmCLLOptions").size(), 1);

  Child<QCheckBox>(dialog, "chkCLLMultiRpt")->click();
  EXPECT_EQ(Frame(editor, 3)->title(), QStringLiteral("Field 3 Repeats"));  // before Apply
  EXPECT_EQ(Stored("Field3MultiRpt"), "0");
  fields->setCurrentText(QStringLiteral("CALL"));
  Child<QLineEdit>(dialog, "txtCLLOpHoriz")->setText(QStringLiteral(" 0.5"));
  Child<QRadioButton>(dialog, "optNotEqual")->click();
  auto* align = Child<QComboBox>(dialog, "cboAlign");
  align->setCurrentText(QStringLiteral("Right"));
  Click(dialog, "cmdCLLOpApply");
  EXPECT_EQ(Stored("Field3Condition"), "|NotEqual|||");
  EXPECT_EQ(Stored("Field3MultiRpt"), "1");
  EXPECT_EQ(Stored("Field3Align"), "Right");
  EXPECT_EQ(Summary(editor, 3, "lblADIF"), QStringLiteral("CALL"));
  EXPECT_EQ(Summary(editor, 3, "lblHoriz"), QStringLiteral("H 0.5"));  // as stored, trimmed

  Click(dialog, "cmdClear");
  EXPECT_EQ(align->currentText(), QStringLiteral("Left"));
  Click(dialog, "cmdCLLOpApply");
  EXPECT_EQ(Stored("Field3ADIF"), "");
}

// Exit drops what was typed without asking; Escape and the close button ask.
TEST_F(DesignEditorTest, TheOptionsDialogAsksBeforeDroppingWhatWasNotApplied) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Store("Name", "Club");
  Store("Field4Align", "center");
  QWidget* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  const auto open = [editor](const char* typed) {
    Change(editor, 4);
    QWidget* dialog = TopLevel("frmCLLOptions");
    QTest::keyClicks(Child<QLineEdit>(dialog, "txtCLLOpText"), typed);
    return dialog;
  };
  QWidget* dialog = open("");
  EXPECT_EQ(Child<QComboBox>(dialog, "cboAlign")->currentText(), QStringLiteral("Center"));
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(OpenWindows("frmCLLOptions").isEmpty());

  dialog = open("x");
  QTest::keyClick(dialog, Qt::Key_Escape);  // answered No
  EXPECT_TRUE(dialog->isVisible());
  desktop_.yesNoAnswers = {true};
  dialog->close();
  EXPECT_TRUE(OpenWindows("frmCLLOptions").isEmpty());
  EXPECT_EQ(desktop_.questions,
            QStringList(2, QStringLiteral("Drop the changes to field 4 that were not applied?")));

  Click(open("x"), "cmdCLLOpExit");
  EXPECT_TRUE(OpenWindows("frmCLLOptions").isEmpty());
  EXPECT_EQ(desktop_.questions.size(), 2);
  EXPECT_NE(Stored("Field4Label"), "x");
}

// Which counts are taken, and what a refusal says, the designs' tests check.
TEST_F(DesignEditorTest, BlankCardsPrintTheCountTakenAndThePreviewButtonBecomesRefresh) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Store("Name", "Club");
  Store("Field1Label", "QSL");
  QWidget* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  desktop_.textAnswers = {QStringLiteral("abc"), QStringLiteral("2")};
  desktop_.fileAnswers = {Path("blank.pdf")};
  const auto messages = desktop_.messages.size();
  Click(editor, "cmdPrint_Blank_QSL");
  EXPECT_EQ(desktop_.messages.size(), messages + 1);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "blank.pdf"));
  Click(editor, "cmdPrint_Blank_QSL");
  EXPECT_TRUE(std::filesystem::exists(dir_ / "blank.pdf"));

  Click(editor, "cmdPreview");
  auto* preview = Child<QAbstractButton>(editor, "cmdPreview");
  EXPECT_EQ(preview->text(), QStringLiteral("Refresh"));
  ASSERT_NE(TopLevel("frmPrintPreview"), nullptr);
  TopLevel("frmPrintPreview")->close();
  EXPECT_EQ(preview->text(), QStringLiteral("Preview"));
}

// Dragging writes the new place to the hundredth; a text that goes on where
// the last one ended moves up and down only.
TEST_F(DesignEditorTest, DraggingATextOnTheLabelViewMovesItsField) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
  Store("Name", "Club");
  Store("Field1ADIF", "CALL");
  Store("Field1Horiz", "0.5");
  Store("Field1Vert", "0.2");
  Store("Field2Label", "-x-");
  Store("Field2Horiz", "A");
  Store("Field2Vert", "0.2");
  QWidget* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  auto* view = Child<LabelViewWidget>(editor, "labelView");
  const auto drag = [view](int field, double right, double down) {
    for (const designs::FieldExtent& e : view->Extents()) {
      if (e.field == field) {
        const QPoint from = view->PointAt((e.left + e.right) / 2, (e.top + e.bottom) / 2);
        const QPoint by = view->PointAt(right, down) - view->PointAt(0, 0);
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, from + by);
        QTest::mouseRelease(view, Qt::LeftButton, {}, from + by);
        return;
      }
    }
    FAIL() << "field " << field << " is not on the view";
  };
  drag(1, 0.25, 0.5);
  EXPECT_NEAR(std::stod(Stored("Field1Horiz")), 0.75, 0.011);
  EXPECT_NEAR(std::stod(Stored("Field1Vert")), 0.7, 0.011);
  EXPECT_EQ(Summary(editor, 1, "lblHoriz"),
            QStringLiteral("H ") + QString::fromStdString(Stored("Field1Horiz")));
  drag(2, 0.3, -0.1);
  EXPECT_EQ(Stored("Field2Horiz"), "A");
  EXPECT_NEAR(std::stod(Stored("Field2Vert")), 0.1, 0.011);
}

}  // namespace
}  // namespace tavrilon::app
