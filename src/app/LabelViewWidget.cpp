#include "app/LabelViewWidget.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

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
constexpr double kMostDotsPerInch = 192;

const QColor kOutline(0x80, 0x80, 0x80);
const QColor kOverflow(0xD0, 0x00, 0x00);
const QColor kDragged(0x00, 0x60, 0xD0);

}  // namespace

LabelViewWidget::LabelViewWidget(settings::SettingsFile& settings, int design, QWidget* parent)
    : QWidget(parent), settings_(settings), design_(design), renderer_(settings) {
  setObjectName(QStringLiteral("labelView"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(460, 260);
  setMouseTracking(true);
}

QSize LabelViewWidget::sizeHint() const {
  return {static_cast<int>((RoomWidth() + 2 * kMarginInches) * 110),
          static_cast<int>((RoomHeight() + 2 * kMarginInches) * 110)};
}

void LabelViewWidget::SetSample(designs::LabelSample sample) {
  sample_ = std::move(sample);
}

void LabelViewWidget::SetSheet(std::optional<sheets::LabelSheet> sheet) {
  sheet_ = std::move(sheet);
}

double LabelViewWidget::RoomWidth() const {
  return sheet_ ? sheets::LabelWidthOf(*sheet_) : kUnknownWidth;
}

double LabelViewWidget::RoomHeight() const {
  return sheet_ ? sheets::LabelHeightOf(*sheet_) : kUnknownHeight;
}

QPoint LabelViewWidget::PointAt(double xInches, double yInches) const {
  return QPointF((xInches + kMarginInches) * dotsPerInch_, (yInches + kMarginInches) * dotsPerInch_)
      .toPoint();
}

QRectF LabelViewWidget::PixelRect(const designs::FieldExtent& extent) const {
  return QRectF(QPointF(PointAt(extent.left, extent.top)),
                QPointF(PointAt(extent.right, extent.bottom)));
}

void LabelViewWidget::Redraw() {
  const double across = RoomWidth() + 2 * kMarginInches;
  const double down = RoomHeight() + 2 * kMarginInches;
  dotsPerInch_ =
      std::clamp(std::min(width() / across, height() / down), kLeastDotsPerInch, kMostDotsPerInch);
  // The whole widget, so that a text far past the edge is seen too.
  picture_ = QImage(QSizeF(across * dotsPerInch_, down * dotsPerInch_).toSize().expandedTo(size()),
                    QImage::Format_RGB32);
  qt::SetDotsPerInch(picture_, dotsPerInch_);
  picture_.fill(QColor(0xF0, 0xF0, 0xF0));
  {
    QPainter painter(&picture_);
    const QRectF label(QPointF(PointAt(0, 0)), QPointF(PointAt(RoomWidth(), RoomHeight())));
    const double radius = sheet_ ? sheets::CornerRadiusOf(*sheet_) * dotsPerInch_ : 0;
    // Square corners stay crisp; round ones need smoothing.
    painter.setRenderHint(QPainter::Antialiasing, radius > 0);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(kOutline, 1, sheet_ ? Qt::SolidLine : Qt::DashLine));
    painter.drawRoundedRect(label, radius, radius);
  }
  failure_.clear();
  {
    // The surface ends its painter before the outline of a field is drawn.
    qt::QtPrintSurface surface(picture_, qRound(dotsPerInch_));
    extents_ = designs::DrawFirstLabel(renderer_, surface, design_, sample_, kMarginInches,
                                       kMarginInches, failure_);
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
}

void LabelViewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, picture_);
  if (draggedField_ != 0) {
    painter.setPen(QPen(kDragged, 1, Qt::DashLine));
    for (const designs::FieldExtent& extent : extents_) {
      if (extent.field == draggedField_) {
        painter.drawRect(PixelRect(extent).translated(dragNow_ - dragStart_));
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
  // The text drawn last lies on top.
  const QPointF at = event->position();
  const auto hit = std::find_if(extents_.rbegin(), extents_.rend(), [&](const auto& extent) {
    return PixelRect(extent).adjusted(-2, -2, 2, 2).contains(at);
  });
  if (hit != extents_.rend()) {
    draggedField_ = hit->field;
    dragStart_ = dragNow_ = at.toPoint();
  }
}

void LabelViewWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (draggedField_ != 0) {
    dragNow_ = at.toPoint();
    update();
    return;
  }
  const bool overText = std::any_of(extents_.begin(), extents_.end(), [&](const auto& extent) {
    return PixelRect(extent).adjusted(-2, -2, 2, 2).contains(at);
  });
  setCursor(overText ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void LabelViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (draggedField_ == 0 || event->button() != Qt::LeftButton) {
    return;
  }
  const int field = std::exchange(draggedField_, 0);
  const QPoint moved = event->position().toPoint() - dragStart_;
  update();
  if (!moved.isNull()) {
    emit FieldDragged(field, moved.x() / dotsPerInch_, moved.y() / dotsPerInch_);
  }
}

}  // namespace tavrilon::app
