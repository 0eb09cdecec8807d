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
// label's edge is boxed in red. Dragging a text moves
// its field: FieldDragged tells by how much, in inches.
class LabelViewWidget : public QWidget {
  Q_OBJECT

 public:
  LabelViewWidget(settings::SettingsFile& settings, int design, QWidget* parent = nullptr);

  // What the view draws: the contacts, and the sheet whose label outlines
  // them (none when the stock is unknown).
  void SetSample(designs::LabelSample sample);
  void SetSheet(std::optional<sheets::LabelSheet> sheet);
  // Draws the label again from the settings file.
  void Redraw();

  // Where each text is, in inches from the label's corner, as last drawn.
  const std::vector<designs::FieldExtent>& Extents() const { return extents_; }
  // The first text past the outline; what the editor tells the user.
  const std::optional<designs::FieldExtent>& Overflow() const { return overflow_; }
  const std::string& Failure() const { return failure_; }
  // The widget's point at the inches from the label's corner.
  QPoint PointAt(double xInches, double yInches) const;

  QSize sizeHint() const override;

 signals:
  void FieldDragged(int field, double rightInches, double downInches);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  double RoomWidth() const;
  double RoomHeight() const;
  QRectF PixelRect(const designs::FieldExtent& extent) const;

  settings::SettingsFile& settings_;
  int design_;
  designs::DesignRenderer renderer_;
  designs::LabelSample sample_;
  std::optional<sheets::LabelSheet> sheet_;
  QImage picture_;
  double dotsPerInch_ = 96;
  std::vector<designs::FieldExtent> extents_;
  std::optional<designs::FieldExtent> overflow_;
  std::string failure_;
  // The drag in progress: the field and where it was taken.
  int draggedField_ = 0;
  QPoint dragStart_;
  QPoint dragNow_;
};

}  // namespace tavrilon::app
