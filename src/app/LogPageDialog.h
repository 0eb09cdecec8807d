#pragma once

#include <QDialog>

#include "logbook/LogRangeInput.h"

class QLineEdit;

namespace tavrilon::app {

// frmPrintLogPage: the page number the logbook starts printing from. Modal.
class LogPageDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LogPageDialog(QWidget* parent = nullptr);
  const logbook::StartPageChoice& Choice() const { return choice_; }

 private:
  QLineEdit* txtPageNbr_ = nullptr;
  logbook::StartPageChoice choice_;
};

}  // namespace tavrilon::app
