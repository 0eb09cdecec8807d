#include "app/CustomLogDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "adif/FieldChoices.h"
#include "adif/FieldTable.h"
#include "app/QtText.h"
#include "app/SettingsApply.h"

namespace tavrilon::app {

namespace {

struct Part {
  const char* box;      // the controls are cboCG<n>ADIF and txtCG<n><box>
  const char* heading;  // the heading label is this with the block's number
  const char* caption;
  const char* tip;
  int widthTwips;
};
constexpr Part kParts[logbook::kColumnPartCount] = {
    {"ADIF", "lblADIFField", "ADIF Field", "Name of the ADIF field", 1215},
    {"SLD", "lblDataStart", "Data Start", "Starting location for the Data in millimeters", 615},
    {"CH", "lblHeading", "Heading", "Text you wish to use for column heading", 1215},
    {"SLH", "lblHeadingStart", "Heading Start",
     "Starting location for the Column Heading in millimeters", 615},
    {"LoF", "lblLengthOfField", "Length of Field",
     "Length of the Data field in number of characters", 615},
};

constexpr int kBlocks = 3;
constexpr int kColumnsPerBlock = static_cast<int>(logbook::kCustomLogColumns) / kBlocks;
constexpr int kGridColumnsPerBlock = 1 + static_cast<int>(logbook::kColumnPartCount);
constexpr int kDroppedTwips = 3000;

int Pixels(const QWidget& widget, int twips) {
  return qRound(twips * widget.logicalDpiX() / 1440.0);
}

// Narrow in its row, wide while dropped so that long names can be read; the
// tooltip keeps the whole chosen name once the list is narrow again.
class FieldList : public QComboBox {
 public:
  FieldList() {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // typing a name must not add it to the list
    setFixedWidth(Pixels(*this, kParts[0].widthTwips));
    view()->setMinimumWidth(Pixels(*this, kDroppedTwips));
    connect(this, &QComboBox::activated, this, &FieldList::KeepTextAsTip);
  }

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    KeepTextAsTip();
    QComboBox::focusOutEvent(event);
  }

 private:
  void KeepTextAsTip() { setToolTip(currentText()); }
};

}  // namespace

CustomLogDialog::CustomLogDialog(settings::SettingsFile& settings,
                                 const std::filesystem::path& dataFolder, Desktop& desktop,
                                 QWidget* parent)
    : QDialog(parent), settings_(settings), desktop_(desktop) {
  setObjectName(QStringLiteral("frmCustLog"));
  setWindowTitle(tr("Custom Log Setup"));
  auto* layout = new QGridLayout(this);

  for (int block = 0; block < kBlocks; ++block) {
    for (std::size_t p = 0; p < logbook::kColumnPartCount; ++p) {
      auto* heading = new QLabel(tr(kParts[p].caption));
      heading->setObjectName(QString::fromLatin1(kParts[p].heading) + QString::number(block + 1));
      heading->setToolTip(tr(kParts[p].tip));
      heading->setAlignment(Qt::AlignCenter);
      heading->setWordWrap(true);
      // A grid gives a wrapped label the height of one line: room for three.
      heading->setMinimumHeight(heading->fontMetrics().lineSpacing() * 3);
      layout->addWidget(heading, 0, block * kGridColumnsPerBlock + 1 + static_cast<int>(p));
    }
  }

  QStringList choices(QStringLiteral(" "));
  std::string fault;  // the runs that need the dictionary say that it is missing
  for (const std::string& choice :
       adif::ReadFieldChoices(dataFolder / adif::kDictionaryFileName, fault)
           .value_or(std::vector<std::string>())) {
    choices << ToQString(choice);
  }
  const logbook::CustomLogSetup stored = logbook::OpenCustomLogSetup(settings_);
  for (std::size_t c = 0; c < logbook::kCustomLogColumns; ++c) {
    const QString n = QString::number(c + 1);
    const int row = 1 + static_cast<int>(c) % kColumnsPerBlock;
    const int left = static_cast<int>(c) / kColumnsPerBlock * kGridColumnsPerBlock;
    auto* caption = new QLabel(tr("Column %1").arg(n));
    caption->setObjectName(QStringLiteral("lblColumn") + n);
    layout->addWidget(caption, row, left);

    auto* list = new FieldList;
    list->setObjectName(QStringLiteral("cboCG%1ADIF").arg(n));
    list->addItems(choices);
    if (!stored.columns[c][0].empty()) {
      list->setCurrentText(ToQString(stored.columns[c][0]));
      list->lineEdit()->setCursorPosition(0);  // a narrow box shows a name's start
    }
    layout->addWidget(list, row, left + 1);
    fieldLists_[c] = list;

    for (std::size_t p = 1; p < logbook::kColumnPartCount; ++p) {
      auto* box = new QLineEdit(ToQString(stored.columns[c][p]));
      box->setObjectName(QStringLiteral("txtCG") + n + QString::fromLatin1(kParts[p].box));
      box->setFixedWidth(Pixels(*box, kParts[p].widthTwips));
      layout->addWidget(box, row, left + 1 + static_cast<int>(p));
      boxes_[c][p - 1] = box;
    }
  }

  auto* bottom = new QHBoxLayout;
  auto* gridCaption = new QLabel(tr("Length of Grid in Millimeters:"));
  gridCaption->setObjectName(QStringLiteral("lblCustLogGrid"));
  txtCustLogGrid_ = new QLineEdit(ToQString(stored.grid));
  txtCustLogGrid_->setObjectName(QStringLiteral("txtCustLogGrid"));
  txtCustLogGrid_->setFixedWidth(Pixels(*txtCustLogGrid_, kParts[1].widthTwips));
  auto* cmdLogApply = new QPushButton(tr("Apply"));
  cmdLogApply->setObjectName(QStringLiteral("cmdLogApply"));
  auto* cmdLogExit = new QPushButton(tr("Exit"));
  cmdLogExit->setObjectName(QStringLiteral("cmdLogExit"));
  // Return ends typing in a box; it must not store and close the window.
  cmdLogApply->setAutoDefault(false);
  cmdLogExit->setAutoDefault(false);
  bottom->addWidget(gridCaption);
  bottom->addWidget(txtCustLogGrid_);
  bottom->addStretch();
  bottom->addWidget(cmdLogApply);
  bottom->addWidget(cmdLogExit);
  layout->addLayout(bottom, kColumnsPerBlock + 1, 0, 1, kBlocks * kGridColumnsPerBlock);
  connect(cmdLogApply, &QPushButton::clicked, this, &CustomLogDialog::Apply);
  connect(cmdLogExit, &QPushButton::clicked, this, &QDialog::close);
}

void CustomLogDialog::Apply() {
  logbook::CustomLogSetup setup;
  for (std::size_t c = 0; c < logbook::kCustomLogColumns; ++c) {
    setup.columns[c][0] = ToUtf8(fieldLists_[c]->currentText());
    for (std::size_t p = 1; p < logbook::kColumnPartCount; ++p) {
      setup.columns[c][p] = ToUtf8(boxes_[c][p - 1]->text());
    }
  }
  setup.grid = ToUtf8(txtCustLogGrid_->text());
  if (ApplySettings(settings_, desktop_, this,
                    [&] { logbook::WriteCustomLogSetup(setup, settings_); })) {
    close();
  }
}

}  // namespace tavrilon::app
