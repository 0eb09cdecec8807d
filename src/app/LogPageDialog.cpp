#include "app/LogPageDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/QtText.h"

namespace tavrilon::app {

LogPageDialog::LogPageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPrintLogPage"));
  setWindowTitle(tr("Print Log by Page"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(tr("Enter Page Number to Begin Printing with:"));
  label->setObjectName(QStringLiteral("lblPageNbr"));
  layout->addWidget(label);
  txtPageNbr_ = new QLineEdit;
  txtPageNbr_->setObjectName(QStringLiteral("txtPageNbr"));
  layout->addWidget(txtPageNbr_);

  const ButtonRow buttons =
      MakeButtonRow({{"cmdPrintLogPageOK", tr("Enter")}, {"cmdPrintLogPageCx", tr("Cancel")}});
  layout->addLayout(buttons.layout);
  QPushButton* ok = buttons.buttons[0];
  QPushButton* cancel = buttons.buttons[1];
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    choice_ = logbook::ConfirmStartPage(ToUtf8(txtPageNbr_->text()));
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    choice_ = {};
    reject();
  });
}

}  // namespace tavrilon::app
