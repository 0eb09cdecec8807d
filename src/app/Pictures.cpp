#include "app/Pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavrilon::app {

namespace {

// All pictures are drawn on a 32 x 32 grid and scaled.
void DrawCard(QPainter& p, QRectF r, const QColor& paper) {
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(paper);
  p.drawRoundedRect(r, 2, 2);
}

void DrawText(QPainter& p, QRectF r, const QString& text, int size, const QColor& colour) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(size);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, text);
}

void DrawAntenna(QPainter& p, QPointF base, double height) {
  p.setPen(QPen(QColor(40, 40, 40), 1.4));
  const QPointF top(base.x(), base.y() - height);
  p.drawLine(base, top);
  p.drawLine(QPointF(base.x() - height / 3, base.y()), top);
  p.drawLine(QPointF(base.x() + height / 3, base.y()), top);
  p.setPen(QPen(QColor(200, 40, 40), 1.2));
  p.setBrush(Qt::NoBrush);
  for (double radius : {3.0, 6.0}) {
    p.drawArc(QRectF(top.x() - radius, top.y() - radius, 2 * radius, 2 * radius), 30 * 16,
              120 * 16);
  }
}

void DrawBook(QPainter& p, QRectF r) {
  p.setPen(QPen(QColor(30, 60, 30), 1.2));
  p.setBrush(QColor(46, 110, 60));
  p.drawRoundedRect(r, 2, 2);
  p.setBrush(QColor(250, 248, 235));
  p.drawRect(QRectF(r.right() - 3, r.top() + 2, 2.5, r.height() - 4));
  DrawText(p, r.adjusted(0, 2, -3, -r.height() / 2), QStringLiteral("LOG"), 8, Qt::white);
  p.setPen(QPen(QColor(220, 230, 220), 1));
  for (int i = 0; i < 3; ++i) {
    const double y = r.center().y() + 3 + i * 3.5;
    p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 7, y));
  }
}

void Draw(QPainter& p, Picture picture) {
  switch (picture) {
    case Picture::Program:
      DrawCard(p, QRectF(2, 7, 28, 20), QColor(255, 244, 200));
      DrawAntenna(p, QPointF(9, 24), 12);
      DrawText(p, QRectF(13, 9, 16, 16), QStringLiteral("QSL"), 8, QColor(20, 60, 160));
      break;
    case Picture::PrintLog:
      DrawBook(p, QRectF(5, 3, 22, 26));
      break;
    case Picture::PrintPartLog:
      DrawBook(p, QRectF(3, 3, 20, 26));
      DrawCard(p, QRectF(16, 15, 14, 14), Qt::white);
      p.setBrush(QColor(200, 40, 40));
      p.setPen(Qt::NoPen);
      p.drawRect(QRectF(16.6, 15.6, 12.8, 3.5));
      DrawText(p, QRectF(16, 19, 14, 10), QStringLiteral("31"), 7, QColor(40, 40, 40));
      break;
    case Picture::PrintLogPage:
      DrawCard(p, QRectF(6, 2, 20, 28), Qt::white);
      p.setPen(QPen(QColor(150, 150, 150), 1));
      for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(9, 6 + i * 3.5), QPointF(23, 6 + i * 3.5));
      }
      DrawText(p, QRectF(6, 18, 20, 11), QStringLiteral("#12"), 9, QColor(20, 60, 160));
      break;
    case Picture::PrintLabels:
      DrawCard(p, QRectF(3, 2, 26, 28), Qt::white);
      for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
          DrawCard(p, QRectF(5 + col * 11.5, 4 + row * 8.5, 10.5, 7.5), QColor(255, 244, 200));
        }
      }
      DrawText(p, QRectF(5, 4, 10.5, 7.5), QStringLiteral("QSL"), 5, QColor(20, 60, 160));
      break;
    case Picture::ConvertToHtml: {
      p.setPen(QPen(QColor(20, 70, 150), 1.4));
      p.setBrush(QColor(170, 210, 250));
      const QRectF globe(3, 3, 26, 26);
      p.drawEllipse(globe);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(10, 3, 12, 26));
      p.drawLine(QPointF(3, 16), QPointF(29, 16));
      p.drawLine(QPointF(16, 3), QPointF(16, 29));
      DrawText(p, QRectF(0, 9, 32, 14), QStringLiteral("</>"), 10, QColor(200, 40, 40));
      break;
    }
    case Picture::Exit: {
      p.setPen(QPen(QColor(70, 50, 30), 1.2));
      p.setBrush(QColor(150, 100, 60));
      p.drawRect(QRectF(4, 3, 14, 26));
      p.setBrush(QColor(240, 200, 60));
      p.drawEllipse(QRectF(14, 15, 2.5, 2.5));
      QPainterPath arrow;
      arrow.moveTo(18, 13);
      arrow.lineTo(24, 13);
      arrow.lineTo(24, 9);
      arrow.lineTo(30, 16);
      arrow.lineTo(24, 23);
      arrow.lineTo(24, 19);
      arrow.lineTo(18, 19);
      arrow.closeSubpath();
      p.setPen(QPen(QColor(30, 100, 30), 1));
      p.setBrush(QColor(60, 170, 60));
      p.drawPath(arrow);
      break;
    }
  }
}

}  // namespace

QIcon PictureIcon(Picture picture) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    Draw(painter, picture);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tavrilon::app
