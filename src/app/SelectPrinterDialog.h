#pragma once

#include <QDialog>

#include "print/PrinterChoice.h"
#include "settings/SettingsFile.h"

class QListWidget;

namespace tavrilon::app {

class Desktop;

// frmSelectPtr: the printer every print run uses, remembered by device name.
class SelectPrinterDialog : public QDialog {
  Q_OBJECT

 public:
  SelectPrinterDialog(settings::SettingsFile& settings, print::PrinterChoice& printers,
                      Desktop& desktop, QWidget* parent = nullptr);

 private:
  void Apply();

  settings::SettingsFile& settings_;
  print::PrinterChoice& printers_;
  Desktop& desktop_;
  QListWidget* lstPrinter_ = nullptr;
};

}  // namespace tavrilon::app
