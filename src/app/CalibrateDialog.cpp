#include "app/CalibrateDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/Named.h"
#include "app/QtText.h"

namespace tavrilon::app {

namespace {

QString ShiftText(double mm, print::Unit unit) {
  return unit == print::Unit::Inches ? QString::number(mm / print::kMillimetresPerInch, 'g', 4)
                                     : QString::number(mm, 'g', 4);
}

}  // namespace

CalibrateDialog::CalibrateDialog(const QString& printer, const QString& stock,
                                 print::Calibration stored, const QString& storedFault,
                                 std::function<void()> printPage, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmCalibrate"));
  setWindowTitle(tr("Calibrate Printer"));
  auto* layout = new QVBoxLayout(this);
  auto* how = Named(new QLabel(tr("Printer: %1\nLabel sheet: %2\n\n"
                                  "1. Print the alignment page on a sheet of the labels.\n"
                                  "2. At each label's top left corner two rulers cross. Read "
                                  "the number where\n    the label's real left edge meets the "
                                  "across ruler, and where its top edge\n    meets the down "
                                  "ruler (right and down are positive).\n"
                                  "3. Enter them below: every label run on this printer moves "
                                  "by that much.")
                                   .arg(printer, stock)),
                    "lblHow");
  layout->addWidget(how);
  auto* print = Named(new QPushButton(tr("Print Alignment Page")), "cmdAlignmentPage");
  connect(print, &QPushButton::clicked, this, [printPage = std::move(printPage)] { printPage(); });
  layout->addWidget(print, 0, Qt::AlignLeft);

  auto* units = new QHBoxLayout;
  optMillimetres_ = Named(new QRadioButton(tr("Millimetres")), "optMillimetres");
  optInches_ = Named(new QRadioButton(tr("Inches")), "optInches");
  optMillimetres_->setChecked(true);
  auto* group = new QButtonGroup(this);
  group->addButton(optMillimetres_);
  group->addButton(optInches_);
  units->addWidget(optMillimetres_);
  units->addWidget(optInches_);
  units->addStretch();
  layout->addLayout(units);
  connect(optInches_, &QRadioButton::toggled, this, [this](bool inches) {
    ShowIn(inches ? print::Unit::Millimetres : print::Unit::Inches,
           inches ? print::Unit::Inches : print::Unit::Millimetres);
  });

  auto* boxes = new QFormLayout;
  txtAcross_ =
      Named(new QLineEdit(ShiftText(stored.acrossMm, print::Unit::Millimetres)), "txtAcross");
  txtDown_ = Named(new QLineEdit(ShiftText(stored.downMm, print::Unit::Millimetres)), "txtDown");
  boxes->addRow(Named(new QLabel(tr("Shift across (right +):")), "lblAcross"), txtAcross_);
  boxes->addRow(Named(new QLabel(tr("Shift down (down +):")), "lblDown"), txtDown_);
  layout->addLayout(boxes);

  lblError_ = Named(new QLabel(storedFault), "lblError");
  lblError_->setWordWrap(true);
  lblError_->setStyleSheet(QStringLiteral("color: #b00000"));
  layout->addWidget(lblError_);

  const ButtonRow buttons = MakeButtonRow({{"cmdOK", tr("OK")}, {"cmdCancel", tr("Cancel")}});
  layout->addLayout(buttons.layout);
  buttons.buttons[0]->setDefault(true);
  connect(buttons.buttons[0], &QPushButton::clicked, this, &CalibrateDialog::Accept);
  connect(buttons.buttons[1], &QPushButton::clicked, this, &QDialog::reject);
}

print::Unit CalibrateDialog::ShownUnit() const {
  return optInches_->isChecked() ? print::Unit::Inches : print::Unit::Millimetres;
}

void CalibrateDialog::ShowIn(print::Unit from, print::Unit to) {
  for (QLineEdit* box : {txtAcross_, txtDown_}) {
    if (const auto mm = print::ShiftInMillimetres(ToUtf8(box->text()), from)) {
      box->setText(ShiftText(*mm, to));
    }
  }
}

void CalibrateDialog::ShowError(const QString& text) {
  lblError_->setText(text);
  // The window keeps its size by itself, and a longer message would take its
  // lines from the instructions above it.
  layout()->activate();
  const int needed = layout()->totalHeightForWidth(width());
  if (needed > height()) {
    resize(width(), needed);
  }
}

void CalibrateDialog::Accept() {
  const print::Unit unit = ShownUnit();
  const auto across = print::ShiftInMillimetres(ToUtf8(txtAcross_->text()), unit);
  const auto down = print::ShiftInMillimetres(ToUtf8(txtDown_->text()), unit);
  if (!across || !down) {
    ShowError(tr("Each shift must be a number from -%1 to %1 mm (%2 inches), such as 1.5 or -0.5.")
                  .arg(print::kMostShiftMm)
                  .arg(print::kMostShiftMm / print::kMillimetresPerInch, 0, 'g', 3));
    (across ? txtDown_ : txtAcross_)->setFocus();
    return;
  }
  chosen_ = print::Calibration{*across, *down};
  accept();
}

}  // namespace tavrilon::app
