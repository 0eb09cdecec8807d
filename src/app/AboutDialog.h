#pragma once

#include <QDialog>

class QLabel;

namespace tavrilon::app {

class Desktop;

// frmAbout: the program's name and version, and the system information
// program of the desktop.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(Desktop& desktop, QWidget* parent = nullptr);
  void SetVersionText(const QString& text);

 private:
  void StartSysInfo();

  Desktop& desktop_;
  QLabel* lblVersion_ = nullptr;
};

}  // namespace tavrilon::app
