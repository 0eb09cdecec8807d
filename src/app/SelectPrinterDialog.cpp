#include "app/SelectPrinterDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/QtText.h"
#include "app/SettingsApply.h"

namespace tavrilon::app {

SelectPrinterDialog::SelectPrinterDialog(settings::SettingsFile& settings,
                                         print::PrinterChoice& printers, Desktop& desktop,
                                         QWidget* parent)
    : QDialog(parent), settings_(settings), printers_(printers), desktop_(desktop) {
  setObjectName(QStringLiteral("frmSelectPtr"));
  setWindowTitle(tr("Select Printer"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(tr("Please select your preferred printer:"));
  label->setObjectName(QStringLiteral("lblChoosePtr"));
  layout->addWidget(label);

  lstPrinter_ = new QListWidget;
  lstPrinter_->setObjectName(QStringLiteral("lstPrinter"));
  const std::string stored = settings_.ReadSetting(settings::kPrinter, "");
  for (const std::string& name : printers_.Catalog().InstalledPrinters()) {
    lstPrinter_->addItem(ToQString(name));
    if (!stored.empty() && name == stored) {
      lstPrinter_->setCurrentRow(lstPrinter_->count() - 1);
    }
  }
  layout->addWidget(lstPrinter_);

  const ButtonRow buttons = MakeButtonRow({{"cmdApply", tr("Apply")}, {"cmdCancel", tr("Cancel")}});
  layout->addLayout(buttons.layout);
  QPushButton* cmdApply = buttons.buttons[0];
  QPushButton* cmdCancel = buttons.buttons[1];
  connect(cmdApply, &QPushButton::clicked, this, &SelectPrinterDialog::Apply);
  connect(lstPrinter_, &QListWidget::itemDoubleClicked, this, &SelectPrinterDialog::Apply);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

void SelectPrinterDialog::Apply() {
  const QListWidgetItem* item = lstPrinter_->currentItem();
  if (item == nullptr || !item->isSelected() || ApplySettings(settings_, desktop_, this, [&] {
        printers_.Choose(ToUtf8(item->text()), settings_);
      })) {
    close();
  }
}

}  // namespace tavrilon::app
