#pragma once

#include <QDialog>
#include <array>

#include "settings/SettingsFile.h"

class QLineEdit;

namespace tavrilon::app {

// frmInfoInput: the operator's call sign and the return address.
class InfoInputDialog : public QDialog {
  Q_OBJECT

 public:
  explicit InfoInputDialog(settings::SettingsFile& settings, QWidget* parent = nullptr);

 private:
  void Apply();

  settings::SettingsFile& settings_;
  QLineEdit* txtCallSign_ = nullptr;
  std::array<QLineEdit*, 4> txtAddress_{};
};

}  // namespace tavrilon::app
