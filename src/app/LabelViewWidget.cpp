#include "app/LabelViewWidget.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>

#include "designs/DesignEditing.h"
#include "qt/PreviewImage.h"
#include "qt/QtPrintSurface.h"
#include "sheets/LabelSize.h"

namespace tavrilon::app {

namespace {

// Room around the label, so that a text past its edge can be seen.
constexpr double kMarginInches = 0.4;
// A label of a stock nobody chose is drawn at the size of a common one.
constexpr double kUnknownWidth = 4;
constexpr double kUnknownHeight = 2.5;
constexpr double kLeastDotsPerInch = 24;
constexpr double kMostFittedDotsPerInch = 192;
// 100% is the label's true size on a screen of 96 dots to the inch.
constexpr double kDotsPerPercent = 0.96;
constexpr double kLeastZoom = 25;
constexpr double kMostZoom = 800;
// The label is drawn whole, so a large one is not zoomed past what a
// picture of some 64 MB holds.
constexpr double kMostPixels = 16e6;
// The zooms Ctrl and the wheel step through, in dots to the inch.
constexpr std::array<int, 11> kZoomSteps{24, 32, 48, 64, 96, 144, 192, 288, 384, 576, 768};
constexpr int kWheelStep = 120;  // one notch, in eighths of a degree
// Closer grid dots would grey the label over.
constexpr double kLeastGridPixels = 4;
constexpr double kNudgeInches = 0.01;
constexpr double kShiftNudgeInches = 0.1;
constexpr double kHandlePixels = 6;

const QColor kOutline(0x80, 0x80, 0x80);
const QColor kOverflow(0xD0, 0x00, 0x00);
const QColor kSelected(0x00, 0x60, 0xD0);
const QColor kGrid(0x90, 0xA8, 0xC8);
const QColor kNumbersBack(0xFF, 0xFF, 0xFF, 0xE0);

}  // namespace

LabelViewWidget::LabelViewWidget(settings::SettingsFile& settings, int design, QWidget* parent)
    : QWidget(parent), settings_(settings), design_(design), renderer_(settings) {
  setObjectName(QStringLiteral("labelView"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

QSize LabelViewWidget::sizeHint() const {
  if (!fitting_) {
    return minimumSize();
  }
  return {static_cast<int>((RoomWidth() + 2 * kMarginInches) * 110),
          static_cast<int>((RoomHeight() + 2 * kMarginInches) * 110)};
}

void LabelViewWidget::SetSample(designs::LabelSample sample) {
  sample_ = std::move(sample);
}

void LabelViewWidget::SetSheet(std::optional<sheets::LabelSheet> sheet) {
  sheet_ = std::move(sheet);
}

void LabelViewWidget::SetSnap(double inches) {
  if (snap_ != inches) {
    snap_ = inches;
    update();
  }
}

void LabelViewWidget::ZoomToFit() {
  fitting_ = true;
  setMinimumSize(0, 0);
  Redraw();
}

void LabelViewWidget::SetZoom(double percent) {
  fitting_ = false;
  chosenZoom_ = std::clamp(percent, kLeastZoom, kMostZoom);
  Redraw();
}

double LabelViewWidget::Zoom() const {
  return dotsPerInch_ / kDotsPerPercent;
}

void LabelViewWidget::SelectField(int field) {
  selected_ = field;
  update();
}

double LabelViewWidget::RoomWidth() const {
  return sheet_ ? sheets::LabelWidthOf(*sheet_) : kUnknownWidth;
}

double LabelViewWidget::RoomHeight() const {
  return sheet_ ? sheets::LabelHeightOf(*sheet_) : kUnknownHeight;
}

QPoint LabelViewWidget::PointAt(double xInches, double yInches) const {
  return origin_ +
         QPointF((xInches + kMarginInches) * dotsPerInch_, (yInches + kMarginInches) * dotsPerInch_)
             .toPoint();
}

QRectF LabelViewWidget::PixelRect(double left, double top, double right, double bottom) const {
  return QRectF(QPointF(PointAt(left, top)), QPointF(PointAt(right, bottom)));
}

QRectF LabelViewWidget::PixelRect(const designs::FieldExtent& extent) const {
  return PixelRect(extent.left, extent.top, extent.right, extent.bottom);
}

void LabelViewWidget::Redraw() {
  const double across = RoomWidth() + 2 * kMarginInches;
  const double down = RoomHeight() + 2 * kMarginInches;
  const int before = dotsPerInch_;
  if (fitting_) {
    dotsPerInch_ =
        static_cast<int>(std::clamp(std::floor(std::min(width() / across, height() / down)),
                                    kLeastDotsPerInch, kMostFittedDotsPerInch));
  } else {
    const double most = std::floor(std::sqrt(kMostPixels / (across * down)));
    dotsPerInch_ = static_cast<int>(std::min(std::round(chosenZoom_ * kDotsPerPercent), most));
    // What the scroll area scrolls over.
    setMinimumSize(QSizeF(across * dotsPerInch_, down * dotsPerInch_).toSize());
  }
  const QSize whole = QSizeF(across * dotsPerInch_, down * dotsPerInch_).toSize();
  origin_ = QPoint(std::max(0, (width() - whole.width()) / 2),
                   std::max(0, (height() - whole.height()) / 2));
  // The whole widget, so that a text far past the edge is seen too.
  picture_ = QImage(whole.expandedTo(size()), QImage::Format_RGB32);
  qt::SetDotsPerInch(picture_, dotsPerInch_);
  picture_.fill(QColor(0xF0, 0xF0, 0xF0));
  {
    QPainter painter(&picture_);
    const QRectF label = PixelRect(0, 0, RoomWidth(), RoomHeight());
    const double radius = sheet_ ? sheets::CornerRadiusOf(*sheet_) * dotsPerInch_ : 0;
    // Square corners stay crisp; round ones need smoothing.
    painter.setRenderHint(QPainter::Antialiasing, radius > 0);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(kOutline, 1, sheet_ ? Qt::SolidLine : Qt::DashLine));
    painter.drawRoundedRect(label, radius, radius);
  }
  failure_.clear();
  picturePlace_.reset();
  {
    // The surface ends its painter before the outline of a field is drawn.
    qt::QtPrintSurface surface(picture_, dotsPerInch_);
    extents_ = designs::DrawFirstLabel(
        renderer_, surface, design_, sample_, origin_.x() / double(dotsPerInch_) + kMarginInches,
        origin_.y() / double(dotsPerInch_) + kMarginInches, failure_);
    // The picture goes on a label's first line, at its corner.
    const designs::CustomLabelDesign& design = renderer_.Design();
    std::string reason;
    if (failure_.empty() && !sample_.contacts.empty() && design.printImage &&
        !design.imagePath.empty()) {
      if (const auto own = surface.LoadPicture(design.imagePath, reason)) {
        picturePlace_ =
            designs::FieldExtent{kPictureSelected, 0, 0, design.imageWidth.value_or(own->width),
                                 design.imageHeight.value_or(own->height)};
      }
    }
    surface.EndDocument();
  }
  overflow_.reset();
  if (sheet_) {
    QPainter painter(&picture_);
    painter.setPen(QPen(kOverflow, 1.5));
    for (const designs::FieldExtent& extent : extents_) {
      if (designs::RunsPastEdge(extent, *sheet_)) {
        painter.drawRect(PixelRect(extent));
      }
    }
    overflow_ = designs::FirstOverflow(extents_, *sheet_);
  }
  update();
  if (dotsPerInch_ != before || fitting_ != drawnFitting_) {
    drawnFitting_ = fitting_;
    emit ZoomChanged();
  }
}

int LabelViewWidget::TextAt(QPointF at) const {
  const auto hit = std::find_if(extents_.rbegin(), extents_.rend(), [&](const auto& extent) {
    return PixelRect(extent).adjusted(-2, -2, 2, 2).contains(at);
  });
  return hit == extents_.rend() ? 0 : hit->field;
}

std::optional<QRectF> LabelViewWidget::SelectedBox() const {
  if (selected_ == kPictureSelected) {
    return picturePlace_ ? std::optional(PixelRect(*picturePlace_)) : std::nullopt;
  }
  // A field repeated on every line is one box over its lines.
  std::optional<QRectF> box;
  for (const designs::FieldExtent& extent : extents_) {
    if (extent.field == selected_) {
      box = box ? box->united(PixelRect(extent)) : PixelRect(extent);
    }
  }
  return box;
}

QPointF LabelViewWidget::DragInches() const {
  const QPointF moved = QPointF(dragNow_ - dragStart_) / dotsPerInch_;
  const designs::DesignField& field =
      renderer_.Design().fields[static_cast<std::size_t>(draggedField_ - 1)];
  // Where the window's move will put it.
  const auto snapped = [this](double from, double by) {
    return designs::Snapped(from + by, freely_ ? 0 : snap_) - from;
  };
  // A text that goes on where the last one ended moves up and down only.
  return {field.continuesText ? 0 : snapped(field.horiz, moved.x()),
          snapped(field.vert, moved.y())};
}

void LabelViewWidget::PaintGrid(QPainter& painter, const QRect& exposed) const {
  const double step = snap_ * dotsPerInch_;
  if (snap_ <= 0 || step < kLeastGridPixels) {
    return;
  }
  const QPointF corner(PointAt(0, 0));
  const QRectF shown = PixelRect(0, 0, RoomWidth(), RoomHeight()).intersected(QRectF(exposed));
  QPolygonF dots;
  const auto first = [&](double from) { return static_cast<int>(std::ceil(from / step)); };
  const auto last = [&](double to) { return static_cast<int>(std::floor(to / step)); };
  for (int across = first(shown.left() - corner.x()); across <= last(shown.right() - corner.x());
       ++across) {
    for (int down = first(shown.top() - corner.y()); down <= last(shown.bottom() - corner.y());
         ++down) {
      dots << corner + QPointF(across * step, down * step);
    }
  }
  painter.setPen(QPen(kGrid, 1));
  painter.drawPoints(dots);
}

void LabelViewWidget::PaintSelection(QPainter& painter) const {
  const std::optional<QRectF> box = SelectedBox();
  if (!box) {
    return;
  }
  painter.setPen(QPen(kSelected, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(*box);
  const QSizeF handle(kHandlePixels, kHandlePixels);
  for (const QPointF corner :
       {box->topLeft(), box->topRight(), box->bottomLeft(), box->bottomRight()}) {
    painter.fillRect(QRectF(corner - QPointF(kHandlePixels, kHandlePixels) / 2, handle), kSelected);
  }
  QString numbers;
  if (selected_ == kPictureSelected) {
    numbers =
        tr("%1 x %2 in").arg(picturePlace_->right, 0, 'f', 2).arg(picturePlace_->bottom, 0, 'f', 2);
  } else {
    const designs::DesignField& field =
        renderer_.Design().fields[static_cast<std::size_t>(selected_ - 1)];
    numbers =
        QStringLiteral("H %1  V %2")
            .arg(field.continuesText ? QStringLiteral("A") : QString::number(field.horiz, 'f', 2))
            .arg(field.vert, 0, 'f', 2);
  }
  // Above the box, or under it when the top of the view is in the way.
  QRect place = fontMetrics().boundingRect(numbers).adjusted(-3, -1, 3, 1);
  place.moveBottomLeft((box->topLeft() - QPointF(0, kHandlePixels)).toPoint());
  if (place.top() < 0) {
    place.moveTopLeft((box->bottomLeft() + QPointF(0, kHandlePixels)).toPoint());
  }
  painter.fillRect(place, kNumbersBack);
  painter.drawText(place, Qt::AlignCenter, numbers);
}

void LabelViewWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, picture_);
  PaintGrid(painter, event->rect());
  PaintSelection(painter);
  if (dragging_) {
    const QPointF by = DragInches() * dotsPerInch_;
    painter.setPen(QPen(kSelected, 1, Qt::DashLine));
    for (const designs::FieldExtent& extent : extents_) {
      if (extent.field == draggedField_) {
        painter.drawRect(PixelRect(extent).translated(by));
      }
    }
  }
}

void LabelViewWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Redraw();
}

void LabelViewWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const QPointF at = event->position();
  int hit = TextAt(at);
  if (hit == 0 && picturePlace_ && PixelRect(*picturePlace_).contains(at)) {
    hit = kPictureSelected;
  }
  if (hit != selected_) {
    SelectField(hit);
    emit FieldSelected(hit);
  }
  // The picture stays at the label's corner.
  if (hit != 0 && hit != kPictureSelected) {
    draggedField_ = hit;
    dragging_ = false;
    dragStart_ = dragNow_ = at.toPoint();
  }
}

void LabelViewWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (draggedField_ != 0) {
    dragNow_ = at.toPoint();
    freely_ = event->modifiers().testFlag(Qt::AltModifier);
    // A click that shakes is no drag.
    dragging_ =
        dragging_ || (dragNow_ - dragStart_).manhattanLength() >= QApplication::startDragDistance();
    setCursor(Qt::ClosedHandCursor);
    update();
    return;
  }
  setCursor(TextAt(at) != 0 ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void LabelViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (draggedField_ == 0 || event->button() != Qt::LeftButton) {
    return;
  }
  const int field = std::exchange(draggedField_, 0);
  setCursor(Qt::OpenHandCursor);
  update();
  if (std::exchange(dragging_, false)) {
    const QPointF moved = QPointF(event->position().toPoint() - dragStart_) / dotsPerInch_;
    emit FieldDragged(field, moved.x(), moved.y(), event->modifiers().testFlag(Qt::AltModifier));
  }
}

void LabelViewWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && draggedField_ != 0) {
    draggedField_ = 0;
    dragging_ = false;
    update();
    return;
  }
  const double step =
      event->modifiers().testFlag(Qt::ShiftModifier) ? kShiftNudgeInches : kNudgeInches;
  QPointF by;
  switch (event->key()) {
    case Qt::Key_Left:
      by = {-step, 0};
      break;
    case Qt::Key_Right:
      by = {step, 0};
      break;
    case Qt::Key_Up:
      by = {0, -step};
      break;
    case Qt::Key_Down:
      by = {0, step};
      break;
    default:
      break;
  }
  // Without a text to move, the keys scroll the view.
  if (by.isNull() || selected_ == 0 || selected_ == kPictureSelected) {
    QWidget::keyPressEvent(event);
    return;
  }
  emit FieldNudged(selected_, by.x(), by.y());
}

void LabelViewWidget::wheelEvent(QWheelEvent* event) {
  if (!event->modifiers().testFlag(Qt::ControlModifier)) {
    event->ignore();  // the scroll area scrolls
    return;
  }
  // A touchpad turns by less than a notch at a time.
  wheelTurn_ += event->angleDelta().y();
  for (; wheelTurn_ >= kWheelStep; wheelTurn_ -= kWheelStep) {
    const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), dotsPerInch_);
    SetZoom((above == kZoomSteps.end() ? kZoomSteps.back() : *above) / kDotsPerPercent);
  }
  for (; wheelTurn_ <= -kWheelStep; wheelTurn_ += kWheelStep) {
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), dotsPerInch_);
    SetZoom((below == kZoomSteps.begin() ? kZoomSteps.front() : *(below - 1)) / kDotsPerPercent);
  }
  event->accept();
}

}  // namespace tavrilon::app
