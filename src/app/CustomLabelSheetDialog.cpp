#include "app/CustomLabelSheetDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DialogButtons.h"
#include "app/QtText.h"
#include "app/SettingsApply.h"

namespace tavrilon::app {

namespace {

struct Column {
  const char* box;      // the text boxes are txtCL<n><box>
  const char* heading;  // the heading's label name
  const char* tip;
};
constexpr Column kColumns[sheets::kCustomSheetEntryCount] = {
    {"Across", "lblNumberAcross", "Enter number of Labels across the page"},
    {"Down", "lblNumberDown", "Enter number of Labels down the page"},
    {"Horiz", "lblHorizPitch", "Enter Horizontal Pitch (in inches)"},
    {"Vert", "lblVertPitch", "Enter Vertical Pitch (in inches)"},
    {"TopMarg", "lblTopMargin", "Enter Top Margin (in inches)"},
    {"LeftMarg", "lblLeftMargin", "Enter Left Margin (in inches)"},
    {"Width", "lblLabelWidth", "Enter Label Width (in inches); blank for the pitch"},
    {"Height", "lblLabelHeight", "Enter Label Height (in inches); blank for the pitch"},
};

}  // namespace

CustomLabelSheetDialog::CustomLabelSheetDialog(settings::SettingsFile& settings, Desktop& desktop,
                                               QWidget* parent)
    : QDialog(parent), settings_(settings), desktop_(desktop) {
  setObjectName(QStringLiteral("frmCustLabel"));
  setWindowTitle(tr("Custom Label Sheet Setup"));
  auto* layout = new QGridLayout(this);

  for (std::size_t c = 0; c < sheets::kCustomSheetEntryCount; ++c) {
    auto* heading = new QLabel(
        ToQString(sheets::CustomSheetEntryHeading(static_cast<sheets::CustomSheetEntry>(c))));
    heading->setObjectName(QString::fromLatin1(kColumns[c].heading));
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading, 0, static_cast<int>(c) + 1);
  }
  for (int sheet = 1; sheet <= sheets::kCustomSheetCount; ++sheet) {
    const QString n = QString::number(sheet);
    auto* caption = new QLabel(tr("Custom Label %1").arg(n));
    caption->setObjectName(QStringLiteral("lblCustomLabel") + n);
    layout->addWidget(caption, sheet, 0);
    const sheets::CustomSheetEntries stored = sheets::ReadCustomSheetEntries(sheet, settings_);
    auto& row = boxes_[static_cast<std::size_t>(sheet - 1)];
    for (std::size_t c = 0; c < row.size(); ++c) {
      row[c] = new QLineEdit(ToQString(stored[c]));
      row[c]->setObjectName(QStringLiteral("txtCL") + n + QString::fromLatin1(kColumns[c].box));
      row[c]->setToolTip(tr(kColumns[c].tip));
      row[c]->setMaximumWidth(110);
      layout->addWidget(row[c], sheet, static_cast<int>(c) + 1);
    }
  }

  const ButtonRow buttons =
      MakeButtonRow({{"cmdLabelApply", tr("Apply")}, {"cmdlabelEnd", tr("Exit")}});
  QPushButton* cmdLabelApply = buttons.buttons[0];
  QPushButton* cmdlabelEnd = buttons.buttons[1];
  // Return ends typing in a box; it must not store and close the window.
  cmdLabelApply->setAutoDefault(false);
  cmdlabelEnd->setAutoDefault(false);
  layout->addLayout(buttons.layout, sheets::kCustomSheetCount + 1, 0, 1,
                    static_cast<int>(sheets::kCustomSheetEntryCount) + 1);
  connect(cmdLabelApply, &QPushButton::clicked, this, &CustomLabelSheetDialog::Apply);
  connect(cmdlabelEnd, &QPushButton::clicked, this, &QDialog::close);
}

void CustomLabelSheetDialog::Apply() {
  std::array<sheets::CustomSheetEntries, sheets::kCustomSheetCount> rows;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      rows[r][c] = ToUtf8(boxes_[r][c]->text());
    }
  }
  if (ApplySettings(settings_, desktop_, this,
                    [&] { sheets::WriteCustomSheets(rows, settings_); })) {
    close();
  }
}

}  // namespace tavrilon::app
