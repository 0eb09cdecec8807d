#include "app/FieldPropertyPanel.h"

#include <cmath>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Desktop.h"
#include "app/FieldControls.h"
#include "app/FieldOptionsDialog.h"
#include "app/Named.h"
#include "app/QtText.h"
#include "qt/QtColour.h"

namespace tavrilon::app {

namespace {

// A size the label can print at; nothing while the box holds none.
std::optional<double> TypedSize(const QString& text) {
  bool number = false;
  const double size = text.toDouble(&number);
  return number && std::isfinite(size) && size > 0 ? std::optional(size) : std::nullopt;
}

// The settings file trims blanks, so a box whose text differs only by them
// already shows what is stored: it keeps its text, and the cursor, when the
// field is read again while it is typed in.
void ShowText(QLineEdit& box, const std::string& stored) {
  const QString text = ToQString(stored);
  if (box.text().trimmed() != text) {
    box.setText(text);
  }
}

QComboBox* EditableList(const char* name, const QStringList& items) {
  auto* list = Named(new QComboBox, name);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->addItems(items);
  list->setMinimumContentsLength(10);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return list;
}

}  // namespace

FieldPropertyPanel::FieldPropertyPanel(settings::SettingsFile& settings, int design,
                                       std::vector<std::string> fieldChoices, Desktop& desktop,
                                       QWidget* parent)
    : QWidget(parent), settings_(settings), design_(design), desktop_(desktop) {
  setObjectName(QStringLiteral("fraFieldProperties"));
  auto* layout = new QVBoxLayout(this);
  title_ = Named(new QLabel, "propTitle");
  QFont heading = title_->font();
  heading.setBold(true);
  title_->setFont(heading);
  note_ = Named(new QLabel, "propNote");
  note_->setWordWrap(true);
  layout->addWidget(title_);
  layout->addWidget(note_);

  auto* form = new QFormLayout;
  adif_ = FieldNameList("propAdif");
  FillFieldNameList(*adif_, fieldChoices);
  adif_->setMinimumContentsLength(10);
  form->addRow(tr("Field:"), adif_);
  label_ = Named(new QLineEdit, "propLabel");
  label_->setToolTip(tr("The text printed before the data; ^ stands for a blank."));
  form->addRow(tr("Caption:"), label_);
  font_ = EditableList("propFont", QFontDatabase::families());

  size_ = EditableList("propSize", {"6", "7", "8", "9", "10", "11", "12", "14", "16", "18", "20",
                                    "24", "28", "36", "48", "72"});
  size_->setMinimumContentsLength(4);
  bold_ = Named(new QCheckBox(tr("Bold")), "propBold");
  italic_ = Named(new QCheckBox(tr("Italic")), "propItalic");
  colour_ = Named(new QPushButton(tr("Colour...")), "propColour");
  colour_->setAutoDefault(false);
  auto* face = new QHBoxLayout;
  face->addWidget(font_, 1);
  face->addWidget(colour_);
  form->addRow(tr("Font:"), face);
  auto* style = new QHBoxLayout;
  for (QWidget* control : std::initializer_list<QWidget*>{size_, bold_, italic_}) {
    style->addWidget(control);
  }
  style->addStretch();
  form->addRow(tr("Size:"), style);

  horiz_ = Named(new QLineEdit, "propHoriz");
  horiz_->setToolTip(
      tr("Inches from the label's left edge, or A to go on where the text before ended."));
  vert_ = Named(new QLineEdit, "propVert");
  vert_->setToolTip(tr("Inches from the label's top edge."));
  for (QLineEdit* box : {horiz_, vert_}) {
    WideEnoughFor(*box, QStringLiteral("-0.00"));
  }
  // As the field's frame sums it up: "H 0.5  V 0.2".
  auto* place = new QHBoxLayout;
  place->addWidget(new QLabel(tr("H")));
  place->addWidget(horiz_);
  place->addWidget(new QLabel(tr("V")));
  place->addWidget(vert_);
  place->addStretch();
  form->addRow(tr("Position:"), place);
  align_ = AlignList("propAlign");
  form->addRow(tr("Alignment:"), align_);
  // Two columns, so that the panel fits under the label view.
  auto* columns = new QHBoxLayout;
  columns->addLayout(form, 1);
  auto* right = new QVBoxLayout;
  columns->addLayout(right, 1);
  layout->addLayout(columns);

  auto* condition = Named(new QGroupBox(tr("Condition")), "propCondition");
  auto* rows = new QGridLayout(condition);
  testField_ = FieldNameList("propTestField");
  FillFieldNameList(*testField_, fieldChoices);
  testField_->setMinimumContentsLength(8);
  equal_ = Named(new QRadioButton(tr("Equal")), "propEqual");
  notEqual_ = Named(new QRadioButton(tr("Not Equal")), "propNotEqual");
  compare_ = Named(new QLineEdit, "propCompare");
  then_ = Named(new QLineEdit, "propThen");
  else_ = Named(new QLineEdit, "propElse");
  rows->addWidget(new QLabel(tr("If")), 0, 0);
  rows->addWidget(testField_, 0, 1, 1, 2);
  rows->addWidget(new QLabel(tr("Is")), 1, 0);
  rows->addWidget(equal_, 1, 1);
  rows->addWidget(notEqual_, 1, 2);
  const auto row = [rows](const QString& caption, QLineEdit* box, int at) {
    rows->addWidget(new QLabel(caption), at, 0);
    rows->addWidget(box, at, 1, 1, 2);
  };
  row(tr("To"), compare_, 2);
  row(tr("Then"), then_, 3);
  row(tr("Else"), else_, 4);
  rows->setColumnStretch(1, 1);
  rows->setColumnStretch(2, 1);
  right->addWidget(condition);

  repeats_ = Named(new QCheckBox(tr("Repeated in Multiple QSL format")), "propRepeats");
  right->addWidget(repeats_);
  right->addStretch();

  using designs::FieldOptions;
  OnList(adif_, [](FieldOptions& o, std::string text) { o.adif = std::move(text); });
  OnText(label_, [](FieldOptions& o, std::string text) { o.label = std::move(text); });
  OnList(font_, [](FieldOptions& o, std::string text) { o.fontName = std::move(text); });
  OnList(size_, [](FieldOptions& o, const std::string& text) {
    o.fontSize = TypedSize(ToQString(text)).value_or(o.fontSize);
  });
  OnTick(bold_, [](FieldOptions& o, bool on) { o.bold = on; });
  OnTick(italic_, [](FieldOptions& o, bool on) { o.italic = on; });
  OnTick(repeats_, [](FieldOptions& o, bool on) { o.repeats = on; });
  OnTick(equal_, [](FieldOptions& o, bool on) { o.testsEqual = on; });
  OnList(testField_, [](FieldOptions& o, std::string text) { o.testField = std::move(text); });
  OnText(compare_, [](FieldOptions& o, std::string text) { o.compareText = std::move(text); });
  OnText(then_, [](FieldOptions& o, std::string text) { o.thenText = std::move(text); });
  OnText(else_, [](FieldOptions& o, std::string text) { o.elseText = std::move(text); });
  OnText(horiz_, [](FieldOptions& o, std::string text) { o.horiz = std::move(text); });
  OnText(vert_, [](FieldOptions& o, std::string text) { o.vert = std::move(text); });
  connect(align_, &QComboBox::activated, this,
          [this] { Edit({}, [this](FieldOptions& o) { o.align = ChosenAlign(*align_); }); });
  connect(colour_, &QPushButton::clicked, this, &FieldPropertyPanel::ChooseColour);

  ShowField(0);
}

void FieldPropertyPanel::OnText(QLineEdit* box,
                                std::function<void(designs::FieldOptions&, std::string)> set) {
  connect(box, &QLineEdit::textEdited, this, [this, box, set](const QString& text) {
    Edit(box->objectName(), [&](designs::FieldOptions& o) { set(o, ToUtf8(text)); });
  });
}

void FieldPropertyPanel::OnList(QComboBox* list,
                                std::function<void(designs::FieldOptions&, std::string)> set) {
  // What the list shows is stored, whether picked, typed or completed.
  const auto store = [this, list, set](const QString& typingKey) {
    Edit(typingKey, [&](designs::FieldOptions& o) { set(o, ToUtf8(list->currentText())); });
  };
  connect(list, &QComboBox::activated, this, [store] { store({}); });
  connect(list->lineEdit(), &QLineEdit::textEdited, this,
          [store, list] { store(list->objectName()); });
  connect(list->lineEdit(), &QLineEdit::editingFinished, this,
          [store, list] { store(list->objectName()); });
}

void FieldPropertyPanel::OnTick(QAbstractButton* box,
                                std::function<void(designs::FieldOptions&, bool)> set) {
  connect(box, &QAbstractButton::toggled, this,
          [this, set](bool on) { Edit({}, [&](designs::FieldOptions& o) { set(o, on); }); });
}

void FieldPropertyPanel::ShowField(int field) {
  field_ = field;
  Reload();
}

void FieldPropertyPanel::Reload() {
  const bool editable = field_ >= 1 && field_ <= settings::kDesignFieldCount;
  setEnabled(editable);
  if (editable) {
    title_->setText(tr("Field %1").arg(field_));
    note_->setText(tr("Each change is stored as it is made."));
  } else if (field_ > settings::kDesignFieldCount) {
    title_->setText(tr("The picture"));
    note_->setText(tr("Its size is set under the design's settings."));
  } else {
    title_->setText(tr("No field selected"));
    note_->setText(tr("Click a text on the label to edit its field here."));
  }
  shown_ = editable ? designs::OptionsOf(designs::ReadDesignField(settings_, design_, field_))
                    : designs::FieldOptions();
  Show(shown_);
}

void FieldPropertyPanel::Show(const designs::FieldOptions& o) {
  loading_ = true;
  ShowText(*adif_->lineEdit(), o.adif);
  ShowText(*label_, o.label);
  ShowText(*font_->lineEdit(), o.fontName);
  if (TypedSize(size_->currentText()) != o.fontSize) {
    size_->setEditText(ToQString(designs::DecimalText(o.fontSize)));
  }
  bold_->setChecked(o.bold);
  italic_->setChecked(o.italic);
  repeats_->setChecked(o.repeats);
  ShowText(*testField_->lineEdit(), o.testField);
  (o.testsEqual ? equal_ : notEqual_)->setChecked(true);
  ShowText(*compare_, o.compareText);
  ShowText(*then_, o.thenText);
  ShowText(*else_, o.elseText);
  ShowText(*horiz_, o.horiz);
  ShowText(*vert_, o.vert);
  ShowAlign(*align_, o.align);
  ShowColour();
  loading_ = false;
}

void FieldPropertyPanel::ShowColour() {
  QPixmap swatch(16, 16);
  swatch.fill(qt::ToQColor(shown_.color));
  colour_->setIcon(QIcon(swatch));
}

void FieldPropertyPanel::Edit(const QString& typingKey,
                              const std::function<void(designs::FieldOptions&)>& change) {
  if (loading_) {
    return;
  }
  designs::FieldOptions after = shown_;
  change(after);
  if (after == shown_) {
    return;
  }
  // The window tells of a file that cannot be written, as for its other live keys.
  designs::WriteChangedFieldOptions(settings_, design_, field_, shown_, after);
  shown_ = after;
  emit FieldEdited(field_, typingKey);
}

void FieldPropertyPanel::ChooseColour() {
  const auto chosen = desktop_.ChooseColour(this, qt::ToQColor(shown_.color));
  if (chosen) {
    Edit({}, [&](designs::FieldOptions& o) { o.color = qt::FromQColor(*chosen); });
    ShowColour();
  }
}

}  // namespace tavrilon::app
