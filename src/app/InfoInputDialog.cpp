#include "app/InfoInputDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DialogButtons.h"
#include "app/QtText.h"
#include "app/SettingsApply.h"
#include "labels/MailingAddress.h"
#include "settings/OperatorInfo.h"

namespace tavrilon::app {

InfoInputDialog::InfoInputDialog(settings::SettingsFile& settings, Desktop& desktop,
                                 QWidget* parent)
    : QDialog(parent), settings_(settings), desktop_(desktop) {
  setObjectName(QStringLiteral("frmInfoInput"));
  setWindowTitle(tr("Information Input"));
  auto* layout = new QGridLayout(this);

  auto* lblCallSign = new QLabel(tr("Call Sign"));
  lblCallSign->setObjectName(QStringLiteral("lblCallSign"));
  txtCallSign_ = new QLineEdit(ToQString(settings::ReadOperatorInfo(settings_, settings::kMyCall)));
  txtCallSign_->setObjectName(QStringLiteral("txtCallSign"));
  txtCallSign_->setPlaceholderText(ToQString(settings::FirstRunPrompt(settings::kMyCall)));
  layout->addWidget(lblCallSign, 0, 0);
  layout->addWidget(txtCallSign_, 0, 1);

  auto* lblAddressDesc = new QLabel(tr("Enter your address for printing return address labels:"));
  lblAddressDesc->setObjectName(QStringLiteral("lblAddressDesc"));
  layout->addWidget(lblAddressDesc, 1, 0, 1, 2);
  const designs::LabelLines address = labels::LoadReturnAddress(settings_);
  for (std::size_t i = 0; i < txtAddress_.size(); ++i) {
    const QString n = QString::number(i + 1);
    auto* label = new QLabel(tr("Address Line %1").arg(n));
    label->setObjectName(QStringLiteral("lblAddress") + n);
    txtAddress_[i] = new QLineEdit(ToQString(address[i]));
    txtAddress_[i]->setObjectName(QStringLiteral("txtAddress") + n);
    txtAddress_[i]->setPlaceholderText(
        ToQString(settings::FirstRunPrompt(settings::ReturnLabelLineKey(static_cast<int>(i) + 1))));
    txtAddress_[i]->setMinimumWidth(320);
    layout->addWidget(label, static_cast<int>(i) + 2, 0);
    layout->addWidget(txtAddress_[i], static_cast<int>(i) + 2, 1);
  }

  const ButtonRow buttons =
      MakeButtonRow({{"cmdInfoApply", tr("Apply")}, {"cmdInfoExit", tr("Exit")}});
  layout->addLayout(buttons.layout, 6, 0, 1, 2);
  QPushButton* cmdInfoApply = buttons.buttons[0];
  QPushButton* cmdInfoExit = buttons.buttons[1];
  connect(cmdInfoApply, &QPushButton::clicked, this, &InfoInputDialog::Apply);
  connect(cmdInfoExit, &QPushButton::clicked, this, &QDialog::close);
}

void InfoInputDialog::Apply() {
  // A box left empty over its first-run text keeps the file as it is.
  const auto write = [this](const settings::SettingKey& key, const QLineEdit* box) {
    if (!box->text().isEmpty() || settings_.ReadSetting(key, "") != settings::FirstRunPrompt(key)) {
      settings_.WriteSetting(key, ToUtf8(box->text()));
    }
  };
  if (ApplySettings(settings_, desktop_, this, [this, &write] {
        write(settings::kMyCall, txtCallSign_);
        for (std::size_t i = 0; i < txtAddress_.size(); ++i) {
          write(settings::ReturnLabelLineKey(static_cast<int>(i) + 1), txtAddress_[i]);
        }
      })) {
    close();
  }
}

}  // namespace tavrilon::app
