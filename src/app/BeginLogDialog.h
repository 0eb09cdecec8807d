#pragma once

#include <QDialog>

#include "logbook/LogRangeInput.h"

class QLineEdit;

namespace tavrilon::app {

// frmBegLog: the date and time range of a partial logbook. Modal; the range
// is chosen only when "Enter" was pressed with at least one whole date.
class BeginLogDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BeginLogDialog(QWidget* parent = nullptr);
  const logbook::LogRange& Range() const { return range_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A box that holds what it may not is given the focus back.
  bool Check(QLineEdit* box);
  void Enter();

  QLineEdit* txtBeginDate_ = nullptr;
  QLineEdit* txtBeginTime_ = nullptr;
  QLineEdit* txtEndDate_ = nullptr;
  QLineEdit* txtEndTime_ = nullptr;
  logbook::LogRange range_;
};

}  // namespace tavrilon::app
