#pragma once

#include <optional>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "designs/DesignRenderer.h"
#include "designs/LabelFit.h"
#include "settings/SettingsFile.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::app {

// One label of the design being edited at true proportions, drawn by the
// renderer that prints it, inside the outline of the chosen stock's label:
// its own size and rounded corners, not its pitch. A text that runs past the
// label's edge is boxed in red. The view fits the label to its room or shows
// it at a zoom of its own (100% is the label's true size on a 96 dpi
// screen), for a scroll area to scroll.
//
// A click selects the text under it, or the design's picture; the selection
// shows its box, handles and numbers. Dragging a text or pressing an arrow
// key asks for its field to move, in inches; the window writes the move.
class LabelViewWidget : public QWidget {
  Q_OBJECT

 public:
  // The selection that is the design's picture, after the fifteen fields.
  static constexpr int kPictureSelected = 16;

  LabelViewWidget(settings::SettingsFile& settings, int design, QWidget* parent = nullptr);

  // What the view draws: the contacts, and the sheet whose label outlines
  // them (none when the stock is unknown).
  void SetSample(designs::LabelSample sample);
  void SetSheet(std::optional<sheets::LabelSheet> sheet);
  // The grid a drag snaps to, in inches, shown over the label; 0 for none.
  void SetSnap(double inches);
  // Draws the label again from the settings file.
  void Redraw();

  // The label and its margin fill the view, following its size.
  void ZoomToFit();
  // The label at `percent` of its true size, within 25% to 800%; less
  // when a large label would make a picture too big to hold.
  void SetZoom(double percent);
  // The zoom the label is drawn at, fitted or chosen.
  double Zoom() const;
  bool Fitting() const { return fitting_; }

  // 1 to 15, kPictureSelected, or 0 for nothing. A field stays selected
  // while it does not draw, without a box.
  int SelectedField() const { return selected_; }
  void SelectField(int field);

  // Where each text is, in inches from the label's corner, as last drawn.
  const std::vector<designs::FieldExtent>& Extents() const { return extents_; }
  // The first text past the outline; what the editor tells the user.
  const std::optional<designs::FieldExtent>& Overflow() const { return overflow_; }
  const std::string& Failure() const { return failure_; }
  // The widget's point at the inches from the label's corner.
  QPoint PointAt(double xInches, double yInches) const;

  QSize sizeHint() const override;

 signals:
  // `freely`: Alt was held when the text was let go, so it does not snap.
  void FieldDragged(int field, double rightInches, double downInches, bool freely);
  void FieldNudged(int field, double rightInches, double downInches);
  // The user's click changed the selection.
  void FieldSelected(int field);
  void ZoomChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  double RoomWidth() const;
  double RoomHeight() const;
  QRectF PixelRect(double left, double top, double right, double bottom) const;
  QRectF PixelRect(const designs::FieldExtent& extent) const;
  // The text under `at`, the one drawn last lying on top; 0 for none.
  int TextAt(QPointF at) const;
  // The selection's box, in pixels; none while it is not drawn.
  std::optional<QRectF> SelectedBox() const;
  // How far the dragged text would move, in inches, snapped as the window
  // will snap it.
  QPointF DragInches() const;
  void PaintGrid(QPainter& painter, const QRect& exposed) const;
  void PaintSelection(QPainter& painter) const;

  settings::SettingsFile& settings_;
  int design_;
  designs::DesignRenderer renderer_;
  designs::LabelSample sample_;
  std::optional<sheets::LabelSheet> sheet_;
  QImage picture_;
  bool fitting_ = true;
  bool drawnFitting_ = true;
  double chosenZoom_ = 100;
  int dotsPerInch_ = 96;
  QPoint origin_;  // the picture's corner of the label's margin
  double snap_ = 0;
  std::vector<designs::FieldExtent> extents_;
  std::optional<designs::FieldExtent> picturePlace_;  // where the design's picture went
  std::optional<designs::FieldExtent> overflow_;
  std::string failure_;
  int selected_ = 0;
  int wheelTurn_ = 0;  // eighths of a degree not yet zoomed by
  // The drag in progress: the field, where it was taken, whether the mouse
  // has gone far enough to be a drag and not a click, and whether Alt is held.
  int draggedField_ = 0;
  bool dragging_ = false;
  bool freely_ = false;
  QPoint dragStart_;
  QPoint dragNow_;
};

}  // namespace tavrilon::app
