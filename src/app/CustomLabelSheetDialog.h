#pragma once

#include <array>

#include <QDialog>

#include "settings/SettingsFile.h"
#include "sheets/CustomSheets.h"

class QLineEdit;

namespace tavrilon::app {

class Desktop;

// frmCustLabel: the entries of each of the three custom label sheets (the
// layout and the label's size), shown as stored and stored as typed.
class CustomLabelSheetDialog : public QDialog {
  Q_OBJECT

 public:
  CustomLabelSheetDialog(settings::SettingsFile& settings, Desktop& desktop,
                         QWidget* parent = nullptr);

 private:
  void Apply();

  settings::SettingsFile& settings_;
  Desktop& desktop_;
  std::array<std::array<QLineEdit*, sheets::kCustomSheetEntryCount>, sheets::kCustomSheetCount>
      boxes_{};
};

}  // namespace tavrilon::app
