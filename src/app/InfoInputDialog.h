#pragma once

#include <array>

#include <QDialog>

#include "settings/SettingsFile.h"

class QLineEdit;

namespace tavrilon::app {

class Desktop;

// frmInfoInput: the operator's call sign and the return address.
class InfoInputDialog : public QDialog {
  Q_OBJECT

 public:
  InfoInputDialog(settings::SettingsFile& settings, Desktop& desktop, QWidget* parent = nullptr);

 private:
  void Apply();

  settings::SettingsFile& settings_;
  Desktop& desktop_;
  QLineEdit* txtCallSign_ = nullptr;
  std::array<QLineEdit*, 4> txtAddress_{};
};

}  // namespace tavrilon::app
