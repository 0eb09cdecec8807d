#pragma once

#include <QDialog>

class QProgressBar;
class QStatusBar;

namespace tavrilon::app {

// frmSortMsg: shown, not modal, while a label log is put in order by call.
class SortMessageWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SortMessageWindow(QWidget* parent = nullptr);
  void ShowProgress(const QString& status, int value, int maximum);

 private:
  QProgressBar* progressBar_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
};

}  // namespace tavrilon::app
