#include "app/WindowPlacement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tavrilon::app {

void CentreWindow(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return;
  }
  const QRect area = screen->geometry();
  const QSize size = window.frameGeometry().size();
  window.move(area.x() + (area.width() - size.width()) / 2,
              area.y() + (area.height() - size.height()) / 2);
}

void RunCentred(QDialog& dialog) {
  dialog.adjustSize();
  CentreWindow(dialog);
  dialog.exec();
}

}  // namespace tavrilon::app
