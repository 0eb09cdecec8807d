#pragma once

#include <array>
#include <filesystem>

#include <QDialog>

#include "logbook/CustomLogSettings.h"
#include "settings/SettingsFile.h"

class QComboBox;
class QLineEdit;

namespace tavrilon::app {

class Desktop;

// frmCustLog: the 21 columns of the custom logbook and the frame's right
// edge, shown as stored and stored as typed. The field lists offer the
// dictionary of the data folder.
class CustomLogDialog : public QDialog {
  Q_OBJECT

 public:
  CustomLogDialog(settings::SettingsFile& settings, const std::filesystem::path& dataFolder,
                  Desktop& desktop, QWidget* parent = nullptr);

 private:
  void Apply();

  settings::SettingsFile& settings_;
  Desktop& desktop_;
  std::array<QComboBox*, logbook::kCustomLogColumns> fieldLists_{};
  // Data start, heading, heading start and length of each column.
  std::array<std::array<QLineEdit*, logbook::kColumnPartCount - 1>, logbook::kCustomLogColumns>
      boxes_{};
  QLineEdit* txtCustLogGrid_ = nullptr;
};

}  // namespace tavrilon::app
