#include "app/FieldOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "adif/FieldChoices.h"
#include "app/Desktop.h"
#include "app/DialogButtons.h"
#include "app/FieldControls.h"
#include "app/Named.h"
#include "app/QtText.h"
#include "app/SettingsApply.h"
#include "qt/QtColour.h"

namespace tavrilon::app {

namespace {

QLabel* Caption(const char* name, const QString& text) {
  return Named(new QLabel(text), name);
}

Desktop::FontChoice FontOf(const designs::FieldOptions& f) {
  QFont font(ToQString(f.fontName));
  font.setPointSizeF(f.fontSize);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikethru);
  return {font, qt::ToQColor(f.color)};
}

}  // namespace

void WideEnoughFor(QLineEdit& box, const QString& sample) {
  // The box's least width holds its widest character between its frame and
  // margins; a digit of room stands in for the margins the text keeps.
  const int least = box.minimumSizeHint().width();
  const QFontMetrics metrics = box.fontMetrics();
  const int width =
      least - metrics.maxWidth() + metrics.horizontalAdvance(sample + QLatin1Char('0'));
  box.setMinimumWidth(width);
  box.setMaximumWidth(2 * width);
}

FieldOptionsDialog::FieldOptionsDialog(settings::SettingsFile& settings, int design, int field,
                                       std::filesystem::path dictionary,
                                       std::vector<std::string> choices, Desktop& desktop,
                                       FieldSummaryView& editor, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      design_(design),
      field_(field),
      dictionary_(std::move(dictionary)),
      desktop_(desktop),
      editor_(editor) {
  setObjectName(QStringLiteral("frmCLLOptions"));
  setWindowTitle(tr("Customized Options for Field %1").arg(field));
  auto* layout = new QGridLayout(this);

  cboADIF_ = FieldNameList("cboADIF");
  layout->addWidget(Caption("lblADIF", tr("ADIF Field:")), 0, 0);
  layout->addWidget(cboADIF_, 0, 1, 1, 3);

  // The two notes across the dialog, each above what it explains.
  const auto note = [layout](const char* name, const QString& text, int row) {
    auto* label = Caption(name, text);
    label->setWordWrap(true);
    layout->addWidget(label, row, 0, 1, 4);
  };
  note("lblCLLOpText",
       tr("Enter the text to print before the data, leave blank or use the ^ character for "
          "spacing."),
       1);
  txtCLLOpText_ = Named(new QLineEdit, "txtCLLOpText");
  layout->addWidget(txtCLLOpText_, 2, 0, 1, 4);
  note("lblCLLOpOffset",
       tr("Enter the distance, in inches, from the top and left edge of the label to begin "
          "printing."),
       3);
  txtCLLOpHoriz_ = Named(new QLineEdit, "txtCLLOpHoriz");
  txtCLLOpVert_ = Named(new QLineEdit, "txtCLLOpVert");
  for (QLineEdit* box : {txtCLLOpHoriz_, txtCLLOpVert_}) {
    WideEnoughFor(*box, QStringLiteral("-00.000"));
  }
  auto* place = new QHBoxLayout;
  place->addWidget(Caption("lblCLLOpHoriz", tr("Horizontal:")));
  place->addWidget(txtCLLOpHoriz_);
  place->addSpacing(24);
  place->addWidget(Caption("lblCLLOpVert", tr("Vertical:")));
  place->addWidget(txtCLLOpVert_);
  place->addSpacing(24);
  cboAlign_ = AlignList("cboAlign");
  place->addWidget(Caption("lblAlign", tr("Alignment:")));
  place->addWidget(cboAlign_);
  place->addStretch();
  layout->addLayout(place, 4, 0, 1, 4);

  lblCLLOpFont_ = Caption("lblCLLOpFont", QString());
  lblCLLOpFont_->setWordWrap(true);
  auto* cmdCLLOpFont = Named(new QPushButton(tr("Change Font")), "cmdCLLOpFont");
  layout->addWidget(lblCLLOpFont_, 5, 0, 1, 3);
  layout->addWidget(cmdCLLOpFont, 5, 3);

  auto* condition = new QHBoxLayout;
  cboADIF2_ = FieldNameList("cboADIF2");
  auto* frmEQ = Named(new QGroupBox, "frmEQ");
  auto* comparison = new QVBoxLayout(frmEQ);
  optEqual_ = Named(new QRadioButton(tr("Equal")), "optEqual");
  optNotEqual_ = Named(new QRadioButton(tr("Not Equal")), "optNotEqual");
  comparison->addWidget(optEqual_);
  comparison->addWidget(optNotEqual_);
  txtCLLTest_ = Named(new QLineEdit, "txtCLLTest");
  txtCLLThen_ = Named(new QLineEdit, "txtCLLThen");
  txtCLLElse_ = Named(new QLineEdit, "txtCLLElse");
  condition->addWidget(Caption("lblIf", tr("IF")));
  condition->addWidget(cboADIF2_);
  condition->addWidget(Caption("lblIs", tr("IS")));
  condition->addWidget(frmEQ);
  condition->addWidget(Caption("lblTo", tr("TO")));
  condition->addWidget(txtCLLTest_);
  condition->addWidget(Caption("lblThen", tr("THEN")));
  condition->addWidget(txtCLLThen_);
  condition->addWidget(Caption("lblElse", tr("ELSE")));
  condition->addWidget(txtCLLElse_);
  layout->addLayout(condition, 6, 0, 1, 4);

  chkCLLMultiRpt_ =
      Named(new QCheckBox(tr("This field is repeated in Multiple QSL format.")), "chkCLLMultiRpt");
  layout->addWidget(chkCLLMultiRpt_, 7, 0, 1, 4);

  const ButtonRow buttons = MakeButtonRow({{"cmdCLLOpApply", tr("Apply")},
                                           {"cmdClear", tr("Clear ALL ")},
                                           {"cmdCLLOpExit", tr("Exit")}});
  for (QPushButton* button : buttons.buttons) {
    button->setAutoDefault(false);  // Return ends typing in a box; it must not apply
  }
  layout->addLayout(buttons.layout, 8, 0, 1, 4);

  FillLists(choices);
  Load();

  connect(cmdCLLOpFont, &QPushButton::clicked, this, &FieldOptionsDialog::ChangeFont);
  connect(chkCLLMultiRpt_, &QCheckBox::toggled, this,
          [this](bool ticked) { editor_.ShowFieldRepeats(field_, ticked); });
  connect(buttons.buttons[0], &QPushButton::clicked, this, &FieldOptionsDialog::Apply);
  connect(buttons.buttons[1], &QPushButton::clicked, this, &FieldOptionsDialog::ClearAll);
  connect(buttons.buttons[2], &QPushButton::clicked, this, [this] {
    exiting_ = true;
    close();
  });
}

void FieldOptionsDialog::reject() {
  // The window's close button comes here too, by way of QDialog::closeEvent.
  if (exiting_ || Typed() == applied_ ||
      desktop_.AskYesNo(this,
                        tr("Drop the changes to field %1 that were not applied?").arg(field_))) {
    QDialog::reject();
  }
}

void FieldOptionsDialog::FillLists(const std::vector<std::string>& choices) {
  for (QComboBox* list : {cboADIF_, cboADIF2_}) {
    FillFieldNameList(*list, choices);
  }
}

void FieldOptionsDialog::Load() {
  const designs::DesignField field = designs::ReadDesignField(settings_, design_, field_);
  const designs::FieldOptions stored = designs::OptionsOf(field);
  cboADIF_->setCurrentText(ToQString(stored.adif));
  txtCLLOpText_->setText(ToQString(stored.label));
  cboADIF2_->setCurrentText(ToQString(stored.testField));
  (stored.testsEqual ? optEqual_ : optNotEqual_)->setChecked(true);
  txtCLLTest_->setText(ToQString(stored.compareText));
  txtCLLThen_->setText(ToQString(stored.thenText));
  txtCLLElse_->setText(ToQString(stored.elseText));
  txtCLLOpHoriz_->setText(ToQString(stored.horiz));
  txtCLLOpVert_->setText(ToQString(stored.vert));

  font_ = stored;
  // The keys as they stand, so that an empty one shows as such.
  QString fontText = field.stored.fontName.empty()
                         ? tr("You do not have a font set.  Please choose one below.")
                         : tr("Current font is %1").arg(ToQString(field.stored.fontName));
  if (!field.stored.fontSize.empty()) {
    fontText += tr(" at %1 pts.").arg(ToQString(field.stored.fontSize));
  }
  ShowFontText(fontText);
  chkCLLMultiRpt_->setChecked(stored.repeats);
  ShowAlign(*cboAlign_, stored.align);
  applied_ = Typed();
}

void FieldOptionsDialog::ShowFontText(const QString& text) {
  lblCLLOpFont_->setText(text);
  QFont shown = lblCLLOpFont_->font();
  shown.setFamily(FontOf(font_).font.family());
  lblCLLOpFont_->setFont(shown);
  lblCLLOpFont_->setStyleSheet(QStringLiteral("color: %1").arg(qt::ToQColor(font_.color).name()));
}

void FieldOptionsDialog::ChangeFont() {
  const auto chosen = desktop_.ChooseFont(this, FontOf(font_));
  if (!chosen) {
    return;
  }
  font_.fontName = ToUtf8(chosen->font.family());
  font_.fontSize = chosen->font.pointSizeF();
  font_.bold = chosen->font.bold();
  font_.italic = chosen->font.italic();
  font_.underline = chosen->font.underline();
  font_.strikethru = chosen->font.strikeOut();
  font_.color = qt::FromQColor(chosen->colour);
}

designs::FieldOptions FieldOptionsDialog::Typed() const {
  designs::FieldOptions applied = font_;
  applied.adif = ToUtf8(cboADIF_->currentText());
  applied.label = ToUtf8(txtCLLOpText_->text());
  applied.testField = ToUtf8(cboADIF2_->currentText());
  applied.testsEqual = optEqual_->isChecked();
  applied.compareText = ToUtf8(txtCLLTest_->text());
  applied.thenText = ToUtf8(txtCLLThen_->text());
  applied.elseText = ToUtf8(txtCLLElse_->text());
  applied.horiz = ToUtf8(txtCLLOpHoriz_->text());
  applied.vert = ToUtf8(txtCLLOpVert_->text());
  applied.repeats = chkCLLMultiRpt_->isChecked();
  applied.align = ChosenAlign(*cboAlign_);
  return applied;
}

void FieldOptionsDialog::Apply() {
  const designs::FieldOptions applied = Typed();
  if (!ApplySettings(settings_, desktop_, this,
                     [&] { designs::WriteFieldOptions(settings_, design_, field_, applied); })) {
    return;
  }
  applied_ = applied;
  // What the editor shows is what the file now holds.
  editor_.ShowAppliedField(field_, designs::ReadDesignField(settings_, design_, field_));
  ShowFontText(
      tr("Current font is %1 at %2 pts.")
          .arg(ToQString(font_.fontName), ToQString(designs::DecimalText(font_.fontSize))));
}

void FieldOptionsDialog::ClearAll() {
  std::string fault;
  const auto choices = adif::ReadFieldChoices(dictionary_, fault);
  if (!choices) {
    desktop_.ShowMessage(this, ToQString(fault), MessageIcon::Critical);
    return;
  }
  FillLists(*choices);
  for (QLineEdit* box :
       {txtCLLOpText_, txtCLLOpHoriz_, txtCLLOpVert_, txtCLLTest_, txtCLLThen_, txtCLLElse_}) {
    box->clear();
  }
  lblCLLOpFont_->clear();
  optEqual_->setChecked(true);
  ShowAlign(*cboAlign_, designs::FieldAlign::Left);
  font_ = designs::FieldOptions();  // Arial 10, plain, black
}

}  // namespace tavrilon::app
