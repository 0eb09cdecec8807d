#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "print/PrinterCalibration.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tavrilon::app {

// frmCalibrate: the alignment page for the chosen stock, and the shift the
// user measured on it, in millimetres or inches. Modal.
class CalibrateDialog : public QDialog {
  Q_OBJECT

 public:
  // `stored` is what the printer has now; `storedFault` why the stored text
  // could not be used, if so. `printPage` prints the alignment page.
  CalibrateDialog(const QString& printer, const QString& stock, print::Calibration stored,
                  const QString& storedFault, std::function<void()> printPage,
                  QWidget* parent = nullptr);

  // The shift to store once the dialog was accepted.
  const std::optional<print::Calibration>& Chosen() const { return chosen_; }

 private:
  print::Unit ShownUnit() const;
  // Shows both boxes in `unit`, converted when they hold numbers.
  void ShowIn(print::Unit from, print::Unit to);
  // Shows why the shift was refused, the window grown to hold it.
  void ShowError(const QString& text);
  void Accept();

  QLineEdit* txtAcross_ = nullptr;
  QLineEdit* txtDown_ = nullptr;
  QRadioButton* optMillimetres_ = nullptr;
  QRadioButton* optInches_ = nullptr;
  QLabel* lblError_ = nullptr;
  std::optional<print::Calibration> chosen_;
};

}  // namespace tavrilon::app
