#include "app/SortMessageWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tavrilon::app {

SortMessageWindow::SortMessageWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmSortMsg"));
  setWindowTitle(tr("QSL Sort"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  for (const QString& text : {tr("You have chosen to print multiple QSLs per Label."),
                              tr("Please hold while I sort your Log File."),
                              tr("Large files may take some time.  The status is listed below.")}) {
    layout->addWidget(new QLabel(text));
  }
  progressBar_ = new QProgressBar;
  progressBar_->setObjectName(QStringLiteral("ProgressBar"));
  layout->addWidget(progressBar_);
  statusBar_ = new QStatusBar;
  statusBar_->setObjectName(QStringLiteral("StatusBar1"));
  statusBar_->setSizeGripEnabled(false);
  layout->addWidget(statusBar_);
}

void SortMessageWindow::ShowProgress(const QString& status, int value, int maximum) {
  progressBar_->setRange(0, maximum);
  progressBar_->setValue(value);
  statusBar_->showMessage(status);
}

}  // namespace tavrilon::app
