#include "app/LogPageDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(tr("Enter"));
  ok->setObjectName(QStringLiteral("cmdPrintLogPageOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"));
  cancel->setObjectName(QStringLiteral("cmdPrintLogPageCx"));
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
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
