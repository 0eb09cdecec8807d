#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "app/LabelViewWidget.h"
#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

constexpr const char* kDesign = "Custom Label Layout-1";

class LabelCanvasTest : public MainWindowTest {
 protected:
  // The editor on a design whose field 1 prints the call at (0.5, 0.2).
  void Open(const std::string& log = "<EOH>\n<CALL:4>W1AW<EOR>\n") {
    StartWithLog(log);
    for (const auto& [key, value] : {std::pair{"Name", "Club"},
                                     {"Field1ADIF", "CALL"},
                                     {"Field1Horiz", "0.5"},
                                     {"Field1Vert", "0.2"}}) {
      session_->Settings().WriteSetting(kDesign, key, value);
    }
    Find<QAction>("mnuCustom_Label_Layout")->trigger();
    editor_ = TopLevel("frmCustLabelLayout");
    ASSERT_NE(editor_, nullptr);
    view_ = Child<LabelViewWidget>(editor_, "labelView");
  }
  QPoint Field1() const {
    const designs::FieldExtent& e = view_->Extents().at(0);
    return view_->PointAt((e.left + e.right) / 2, (e.top + e.bottom) / 2);
  }
  void Send(QEvent::Type type, QPoint at, Qt::KeyboardModifiers keys) {
    QMouseEvent event(type, at, view_->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, keys);
    QApplication::sendEvent(view_, &event);
  }

  void Drag(QPoint from, QPoint by) {
    Send(QEvent::MouseButtonPress, from, {});
    Send(QEvent::MouseMove, from + by, {});
    Send(QEvent::MouseButtonRelease, from + by, {});
  }
  std::string Stored(const char* key) { return Setting(kDesign, key); }
  double FirstWidth() const {
    const designs::FieldExtent& e = view_->Extents().at(0);
    return e.right - e.left;
  }

  QWidget* editor_ = nullptr;
  LabelViewWidget* view_ = nullptr;
};

// Drag, nudge, undo twice: back where it was; each step can be redone.
TEST_F(LabelCanvasTest, TheEditorUndoesDragsNudgesAndTicksAndSnapsToTheShownGrid) {
  Open();
  auto* undo = Find<QAction>("mnuUndo");
  EXPECT_FALSE(undo->isEnabled());
  Child<QCheckBox>(editor_, "chkGrid")->setChecked(true);
  Drag(Field1(), view_->PointAt(0.13, 0.02) - view_->PointAt(0, 0));
  EXPECT_EQ(Stored("Field1Horiz"), "0.65");  // snapped to 0.05
  EXPECT_EQ(Stored("Field1Vert"), "0.2");
  QTest::mouseClick(view_, Qt::LeftButton, {}, Field1());
  QTest::keyClick(view_, Qt::Key_Right);
  EXPECT_EQ(Stored("Field1Horiz"), "0.66");  // a nudge does not snap
  undo->trigger();
  undo->trigger();
  EXPECT_EQ(Stored("Field1Horiz"), "0.5");
  EXPECT_EQ(Stored("ShowGrid"), "1");
  undo->trigger();
  EXPECT_EQ(Stored("ShowGrid"), "0");
  EXPECT_FALSE(Child<QCheckBox>(editor_, "chkGrid")->isChecked());
  EXPECT_FALSE(undo->isEnabled());
  for (int step = 0; step < 3; ++step) {
    Find<QAction>("mnuRedo")->trigger();
  }
  EXPECT_EQ(Stored("Field1Horiz"), "0.66");
  EXPECT_EQ(Child<QLabel>(editor_, "lblHoriz")->text(), QStringLiteral("H 0.66"));
}

// The panel edits the field clicked on; keystrokes in one box are one step.
TEST_F(LabelCanvasTest, ThePanelEditsTheClickedFieldAndItsEditsAreUndone) {
  Open();
  QTest::mouseClick(view_, Qt::LeftButton, {}, Field1());
  EXPECT_EQ(Child<QLabel>(editor_, "propTitle")->text(), QStringLiteral("Field 1"));
  QTest::keyClick(Child<QComboBox>(editor_, "propAlign"), Qt::Key_Down);
  QTest::keyClicks(Child<QLineEdit>(editor_, "propLabel"), "de^");
  EXPECT_EQ(Stored("Field1Align"), "Center");
  EXPECT_EQ(Stored("Field1Label"), "de^");
  EXPECT_EQ(Child<QLabel>(editor_, "lblLabel")->text(), QStringLiteral("de^"));
  Find<QAction>("mnuUndo")->trigger();
  EXPECT_EQ(Stored("Field1Label"), "");
  EXPECT_EQ(Child<QLineEdit>(editor_, "propLabel")->text(), QString());
  Find<QAction>("mnuUndo")->trigger();
  EXPECT_EQ(Stored("Field1Align"), "");
  EXPECT_EQ(Child<QComboBox>(editor_, "propAlign")->currentText(), QStringLiteral("Left"));
}

// By call, K1ABCDEF's label is printed first, the widest call.
TEST_F(LabelCanvasTest, TheViewShowsTheLabelsInTheOrderTheRunPrintsThem) {
  Open("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:8>K1ABCDEF<EOR>\n<CALL:4>N0XX<EOR>\n");
  const double fileFirst = FirstWidth();
  Find<QComboBox>("cboOrder")->setCurrentIndex(1);
  QEvent activated(QEvent::WindowActivate);  // the editor sees the main window's order again
  QApplication::sendEvent(editor_, &activated);
  EXPECT_GT(FirstWidth(), fileFirst);
  EXPECT_FALSE(Child<QAbstractButton>(editor_, "cmdPrevLabel")->isEnabled());
  Click(editor_, "cmdNextLabel");
  Click(editor_, "cmdNextLabel");
  EXPECT_FALSE(Child<QAbstractButton>(editor_, "cmdNextLabel")->isEnabled());
  EXPECT_TRUE(Child<QLabel>(editor_, "lblViewNote")->text().contains(QStringLiteral("Label 3")));
  Click(editor_, "cmdPrevLabel");
  EXPECT_TRUE(Child<QAbstractButton>(editor_, "cmdNextLabel")->isEnabled());
}

TEST_F(LabelCanvasTest, ZoomsByButtonAndWheelScrollsAndFitsAgain) {
  Open();
  EXPECT_LE(editor_->minimumSizeHint().width(), 1280);
  EXPECT_LE(editor_->minimumSizeHint().height(), 800);
  auto* scroll = Child<QScrollArea>(editor_, "labelScroll");
  Click(editor_, "cmdZoom400");
  QApplication::processEvents();
  EXPECT_FALSE(view_->Fitting());
  EXPECT_EQ(view_->PointAt(1, 0).x() - view_->PointAt(0, 0).x(), 384);
  EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);

  QWheelEvent wheel(Field1(), view_->mapToGlobal(Field1()), {}, {0, 120}, Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view_, &wheel);
  EXPECT_DOUBLE_EQ(view_->Zoom(), 600);
  EXPECT_EQ(Child<QLabel>(editor_, "lblZoom")->text(), QStringLiteral("600%"));
  EXPECT_FALSE(Child<QAbstractButton>(editor_, "cmdZoom400")->isChecked());

  Click(editor_, "cmdZoomFit");
  QApplication::processEvents();
  EXPECT_TRUE(view_->Fitting());
  EXPECT_TRUE(Child<QAbstractButton>(editor_, "cmdZoomFit")->isChecked());
  EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
}

TEST_F(LabelCanvasTest, AClickSelectsAndArrowsNudgeTheSelectedText) {
  QImage picture(96, 48, QImage::Format_RGB32);
  picture.fill(Qt::green);
  picture.save(Path("card.png"));
  Open();
  session_->Settings().WriteSetting(kDesign, "Print Image", "TRUE");
  session_->Settings().WriteSetting(kDesign, "Image Path", Path("card.png").toStdString());
  view_->Redraw();
  QSignalSpy selected(view_, &LabelViewWidget::FieldSelected);
  QSignalSpy nudged(view_, &LabelViewWidget::FieldNudged);
  QTest::mouseClick(view_, Qt::LeftButton, {}, Field1());
  EXPECT_EQ(view_->SelectedField(), 1);
  QTest::keyClick(view_, Qt::Key_Right);
  QTest::keyClick(view_, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(nudged, (QList<QList<QVariant>>{{1, 0.01, 0.0}, {1, 0.0, -0.1}}));
  nudged.clear();
  // The picture at the label's corner is selected, but does not move.
  QTest::mouseClick(view_, Qt::LeftButton, {}, view_->PointAt(0.1, 0.1));
  EXPECT_EQ(view_->SelectedField(), LabelViewWidget::kPictureSelected);
  QTest::keyClick(view_, Qt::Key_Left);
  EXPECT_TRUE(nudged.isEmpty());
  QTest::mouseClick(view_, Qt::LeftButton, {}, view_->PointAt(3, 2));
  EXPECT_EQ(view_->SelectedField(), 0);
  EXPECT_EQ(selected, (QList<QList<QVariant>>{{1}, {LabelViewWidget::kPictureSelected}, {0}}));
}

// The outline follows the grid the window snaps to, unless Alt is held.
TEST_F(LabelCanvasTest, ADragShowsWhereItSnapsAndAltDragsFreely) {
  Open();
  Child<QCheckBox>(editor_, "chkGrid")->setChecked(true);
  view_->SetZoom(400);
  QApplication::processEvents();
  QSignalSpy dragged(view_, &LabelViewWidget::FieldDragged);
  const QPoint by = view_->PointAt(0.13, 0) - view_->PointAt(0, 0);
  const auto outlined = [this](const designs::FieldExtent& e, double left) {
    const QImage shown = view_->grab().toImage();
    const int x = view_->PointAt(left, 0).x();
    for (int y = view_->PointAt(0, e.top).y() + 3; y < view_->PointAt(0, e.bottom).y() - 3; ++y) {
      for (int column = x - 1; column <= x + 1; ++column) {
        if (shown.pixelColor(column, y) == QColor(0x00, 0x60, 0xD0)) {
          return true;
        }
      }
    }
    return false;
  };
  for (const bool freely : {false, true}) {
    const Qt::KeyboardModifiers keys = freely ? Qt::AltModifier : Qt::NoModifier;
    const designs::FieldExtent e = view_->Extents().at(0);
    const double snapped = freely ? 0.13 : 0.15;
    Send(QEvent::MouseButtonPress, Field1(), keys);
    Send(QEvent::MouseMove, Field1() + by, keys);
    EXPECT_TRUE(outlined(e, e.left + snapped));
    EXPECT_EQ(outlined(e, e.left + 0.13), freely);
    Send(QEvent::MouseButtonRelease, Field1() + by, keys);
    ASSERT_EQ(dragged.size(), 1);
    const QList<QVariant> drag = dragged.takeFirst();
    EXPECT_NEAR(drag[1].toDouble(), 0.13, 0.003);
    EXPECT_EQ(drag[3], freely);
  }
}

}  // namespace
}  // namespace tavrilon::app
