#include "app/BeginLogDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/DialogButtons.h"
#include "app/QtText.h"

namespace tavrilon::app {

namespace {

QLineEdit* Box(const char* name, const QString& tip = {}) {
  auto* box = new QLineEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(tip);
  return box;
}

QLabel* Label(const QString& text, const char* name) {
  auto* label = new QLabel(text);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

BeginLogDialog::BeginLogDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmBegLog"));
  setWindowTitle(tr("Enter Beginning Date for Log"));
  txtBeginDate_ =
      Box("txtBeginDate", tr("Enter Beginning Date or leave blank to print from beginning of log"));
  txtBeginTime_ = Box("txtBeginTime");
  txtEndDate_ = Box("txtEndDate", tr("Enter Ending Date or leave blank to print to end of log"));
  txtEndTime_ = Box("txtEndTime");

  auto* layout = new QGridLayout(this);
  layout->addWidget(Label(tr("YYYYMMDD"), "lblDateFormat"), 0, 1);
  layout->addWidget(Label(tr("HHMM"), "lblTimeFormat"), 0, 2);
  layout->addWidget(Label(tr("Enter Beginning Date & Time"), "lblBegin"), 1, 0);
  layout->addWidget(txtBeginDate_, 1, 1);
  layout->addWidget(txtBeginTime_, 1, 2);
  layout->addWidget(Label(tr("Enter Ending Date & Time"), "lblEnd"), 2, 0);
  layout->addWidget(txtEndDate_, 2, 1);
  layout->addWidget(txtEndTime_, 2, 2);
  for (QLineEdit* box : {txtBeginDate_, txtBeginTime_, txtEndDate_, txtEndTime_}) {
    box->installEventFilter(this);
  }

  const ButtonRow buttons = MakeButtonRow({{"cmdOK", tr("Enter")}, {"cmdCXPartial", tr("Cancel")}});
  layout->addLayout(buttons.layout, 3, 0, 1, 3);
  QPushButton* cmdOK = buttons.buttons[0];
  QPushButton* cmdCXPartial = buttons.buttons[1];
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &BeginLogDialog::Enter);
  connect(cmdCXPartial, &QPushButton::clicked, this, [this] {
    range_ = {};
    reject();
  });
}

bool BeginLogDialog::Check(QLineEdit* box) {
  const std::string text = ToUtf8(box->text());
  bool accepted = true;
  if (box == txtBeginDate_ || box == txtEndDate_) {
    accepted = logbook::IsAcceptedDate(text);
  } else if (const auto kept = logbook::AcceptedTime(text)) {
    box->setText(ToQString(*kept));
  } else {
    accepted = false;
  }
  if (!accepted) {
    QTimer::singleShot(0, box, [box] { box->setFocus(); });
  }
  return accepted;
}

bool BeginLogDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    Check(static_cast<QLineEdit*>(watched));
  }
  return QDialog::eventFilter(watched, event);
}

void BeginLogDialog::Enter() {
  for (QLineEdit* box : {txtBeginDate_, txtBeginTime_, txtEndDate_, txtEndTime_}) {
    if (!Check(box)) {
      return;
    }
  }
  range_ = logbook::ConfirmRange(ToUtf8(txtBeginDate_->text()), ToUtf8(txtBeginTime_->text()),
                                 ToUtf8(txtEndDate_->text()), ToUtf8(txtEndTime_->text()));
  accept();
}

}  // namespace tavrilon::app
