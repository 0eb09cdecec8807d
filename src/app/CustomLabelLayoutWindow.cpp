#include "app/CustomLabelLayoutWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "adif/FieldChoices.h"
#include "adif/FieldTable.h"
#include "app/DesignKeyBinding.h"
#include "app/Desktop.h"
#include "app/FieldPropertyPanel.h"
#include "app/LabelViewPanel.h"
#include "app/LabelViewWidget.h"
#include "app/PrintCommands.h"
#include "app/PrintPreviewWindow.h"
#include "app/QtText.h"
#include "app/SettingsApply.h"
#include "app/WindowPlacement.h"
#include "designs/BlankCards.h"
#include "designs/DesignEditing.h"
#include "designs/DesignFiles.h"
#include "designs/DesignKeys.h"
#include "designs/DesignSettings.h"
#include "designs/LabelDesign.h"
#include "print/PrinterChoice.h"
#include "qt/QtColour.h"
#include "sheets/SheetLookup.h"
#include "shell/MainWindowState.h"
#include "shell/Session.h"

namespace tavrilon::app {

namespace {

const QString kTitle = QStringLiteral("Custom Label Design - ");
// The grid a drag snaps to while "Show Grid" is ticked.
constexpr double kGridInches = 0.05;

}  // namespace

CustomLabelLayoutWindow::CustomLabelLayoutWindow(Session& session,
                                                 const shell::MainWindowState& state,
                                                 PrintCommands& commands, Desktop& desktop,
                                                 std::function<void()> choosePrinter,
                                                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      settings_(session.Settings()),
      state_(state),
      commands_(commands),
      desktop_(desktop),
      choosePrinter_(std::move(choosePrinter)),
      design_(state.CustomDesignNumber),
      form_(*this, settings_, design_),
      menu_(*this),
      picture_(settings_, design_, desktop, form_, *this,
               [this](std::string_view typing) { Stored(typing); }),
      files_(settings_, desktop, designs::DesignPictureFolder(settings_)),
      samples_(settings_, session.DataFolder() / adif::kDictionaryFileName) {
  setObjectName(QStringLiteral("frmCustLabelLayout"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Without the dictionary the lists offer no names, but a name can be typed.
  std::string fault;
  properties_ = new FieldPropertyPanel(
      settings_, design_,
      adif::ReadFieldChoices(session.DataFolder() / adif::kDictionaryFileName, fault)
          .value_or(std::vector<std::string>{}),
      desktop);
  form_.viewColumn->addWidget(properties_);
  Connect();
  Load();
  history_.emplace(designs::ReadDesignKeys(settings_, design_));
  ShowHistory();
}

void CustomLabelLayoutWindow::Connect() {
  using namespace settings;
  // Before the name is written, as the user sees it.
  connect(form_.txtName, &QLineEdit::textChanged, this, [this](const QString& name) {
    setWindowTitle(kTitle + name);
    emit NameChanged(design_, name);
  });
  designKeys_ = new DesignKeyBinding(
      settings_, design_,
      {TextKey(form_.txtName, kDesignName), TickKey(form_.chkShortName, kDesignShortName, "1", "0"),
       TickKey(form_.chkGrid, kDesignShowGrid, "1", "0"),
       TickKey(form_.chkPrintQSL, kDesignPrintImage, "TRUE", "FALSE"),
       ChoiceKey(form_.optLandscape, kDesignOrientation, "Land"),
       ChoiceKey(form_.optPortrait, kDesignOrientation, "Port"),
       TextKey(form_.txtMultiLines, kDesignMultiLines), TextKey(form_.txtMultiDx, kDesignMultiDx)},
      [this](std::string_view typing) { Stored(typing); }, this);

  for (int field = 1; field <= kDesignFieldCount; ++field) {
    connect(form_.fraField1[static_cast<std::size_t>(field - 1)].change, &QPushButton::clicked,
            this, [this, field] { ChangeField(field); });
  }
  LabelViewWidget& view = form_.labelView->View();
  connect(&view, &LabelViewWidget::FieldDragged, this, &CustomLabelLayoutWindow::MoveField);
  connect(&view, &LabelViewWidget::FieldNudged, this,
          [this](int field, double right, double down) { MoveField(field, right, down, true); });
  connect(form_.labelView, &LabelViewPanel::StepRequested, this,
          &CustomLabelLayoutWindow::StepSample);
  connect(&view, &LabelViewWidget::FieldSelected, properties_, &FieldPropertyPanel::ShowField);
  connect(properties_, &FieldPropertyPanel::FieldEdited, this,
          &CustomLabelLayoutWindow::FieldEdited);
  connect(menu_.mnuUndo, &QAction::triggered, this, &CustomLabelLayoutWindow::Undo);
  connect(menu_.mnuRedo, &QAction::triggered, this, &CustomLabelLayoutWindow::Redo);
  connect(menu_.mnuExportDesign, &QAction::triggered, this,
          [this] { files_.ExportDesign(this, design_, session_.ProtectedFiles()); });
  connect(menu_.mnuImportDesign, &QAction::triggered, this, &CustomLabelLayoutWindow::ImportDesign);
  connect(menu_.mnuCopyDesign, &QAction::triggered, this, &CustomLabelLayoutWindow::CopyDesign);
  connect(form_.cmdPreview, &QPushButton::clicked, this, &CustomLabelLayoutWindow::Preview);
  connect(form_.cmdPrintBlankQsl, &QPushButton::clicked, this,
          &CustomLabelLayoutWindow::PrintBlankCards);
  connect(form_.cmdClearAll, &QPushButton::clicked, this, &CustomLabelLayoutWindow::ClearAll);
  connect(form_.cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void CustomLabelLayoutWindow::Load() {
  // The keys a control shows are written back as it shows them, in one save.
  const settings::SettingsBatch batch(settings_);
  loading_ = true;
  // Labels on sheets stand upright: a new design starts so. A stored one
  // keeps the orientation it prints in, missing or not.
  if (const designs::DesignKeys keys = designs::ReadDesignKeys(settings_, design_);
      !designs::HoldsLayout(keys) &&
      settings_.ReadSetting(settings::DesignKey(design_, settings::kDesignOrientation), "")
          .empty()) {
    settings_.WriteSetting(settings::DesignKey(design_, settings::kDesignOrientation), "Port");
  }
  const designs::CustomLabelDesign design = designs::ReadCustomLabelDesign(settings_, design_);
  for (int field = 1; field <= settings::kDesignFieldCount; ++field) {
    ShowFieldSummary(field, design.fields[static_cast<std::size_t>(field - 1)]);
  }
  picture_.Load();  // before the box that shows it is ticked
  designKeys_->Load();
  setWindowTitle(kTitle + form_.txtName->text());
  loading_ = false;
  properties_->Reload();
  RefreshView();
}

void CustomLabelLayoutWindow::ShowFieldSummary(int field, const designs::DesignField& stored) {
  const FieldFrame& f = form_.fraField1[static_cast<std::size_t>(field - 1)];
  f.adif->setText(ToQString(stored.adif));
  if (!stored.stored.fontName.empty()) {
    f.font->setText(ToQString(stored.fontName));
    f.font->setStyleSheet(QStringLiteral("color: %1").arg(qt::ToQColor(stored.color).name()));
  }
  f.horiz->setText(QStringLiteral("H ") + ToQString(stored.stored.horiz));
  f.vert->setText(QStringLiteral("V ") + ToQString(stored.stored.vert));
  f.label->setText(ToQString(stored.stored.label));
  ShowFieldRepeats(field, stored.repeats);
}

void CustomLabelLayoutWindow::ShowFieldRepeats(int field, bool repeats) {
  QGroupBox* frame = form_.fraField1[static_cast<std::size_t>(field - 1)].frame;
  frame->setTitle(repeats ? tr("Field %1 Repeats").arg(field) : tr("Field %1").arg(field));
  frame->setStyleSheet(repeats ? QStringLiteral("QGroupBox::title { color: #ff0000; }")
                               : QString());
}

void CustomLabelLayoutWindow::ShowAppliedField(int field, const designs::DesignField& stored) {
  FieldWritten(field, stored);
}

void CustomLabelLayoutWindow::FieldEdited(int field, const QString& typing) {
  // Keystrokes in one box of one field are one step; the panel shows them already.
  FieldWritten(field, designs::ReadDesignField(settings_, design_, field),
               typing.isEmpty() ? std::string() : ToUtf8(typing) + "#" + std::to_string(field),
               false);
}

void CustomLabelLayoutWindow::FieldWritten(int field, const designs::DesignField& stored,
                                           std::string_view typing, bool reloadPanel) {
  emit SettingsWritten();
  ShowFieldSummary(field, stored);
  Changed(typing);
  if (reloadPanel) {
    properties_->Reload();
  }
  RefreshView();
}

void CustomLabelLayoutWindow::SelectField(int field) {
  form_.labelView->View().SelectField(field);
  properties_->ShowField(field);
}

void CustomLabelLayoutWindow::Stored(std::string_view typing) {
  if (!loading_) {
    emit SettingsWritten();
    Changed(typing);
    RefreshView();
  }
}

void CustomLabelLayoutWindow::Changed(std::string_view typing) {
  if (history_) {
    history_->Changed(designs::ReadDesignKeys(settings_, design_), std::string(typing));
    ShowHistory();
  }
}

void CustomLabelLayoutWindow::Undo() {
  if (history_) {
    Restore(history_->Undo());
  }
}

void CustomLabelLayoutWindow::Redo() {
  if (history_) {
    Restore(history_->Redo());
  }
}

void CustomLabelLayoutWindow::Restore(const std::optional<designs::DesignKeys>& keys) {
  if (!keys) {
    return;
  }
  ApplySettings(settings_, desktop_, this,
                [&] { designs::WriteDesignKeys(settings_, design_, *keys); });
  emit SettingsWritten();
  Load();
  // What the controls wrote back as they show it is where the history stands.
  history_->Settle(designs::ReadDesignKeys(settings_, design_));
  ShowHistory();
}

void CustomLabelLayoutWindow::ShowHistory() {
  menu_.mnuUndo->setEnabled(history_ && history_->CanUndo());
  menu_.mnuRedo->setEnabled(history_ && history_->CanRedo());
}

bool CustomLabelLayoutWindow::event(QEvent* event) {
  // The main window may have a new label log or stock since the view was drawn.
  if (event->type() == QEvent::WindowActivate && !loading_) {
    RefreshView();
  }
  return QWidget::event(event);
}

void CustomLabelLayoutWindow::ChangeField(int field) {
  fieldToEdit_ = field;
  SelectField(field);
  // A dialog closed a moment ago may not be deleted yet.
  if (optionsDialog_ != nullptr && optionsDialog_->isVisible()) {
    desktop_.ShowWarning(
        this, tr("You already have a field option window open,\r\nplease close it before trying "
                 "to open another.\r\n\r\nDon't forget to 'Apply' if you wish to save your "
                 "changes.    "));
    return;
  }
  const std::filesystem::path dictionary = session_.DataFolder() / adif::kDictionaryFileName;
  std::string fault;
  auto choices = adif::ReadFieldChoices(dictionary, fault);
  if (!choices) {
    desktop_.ShowMessage(this, ToQString(fault), MessageIcon::Critical);
    return;
  }
  auto* dialog = new FieldOptionsDialog(settings_, design_, fieldToEdit_, dictionary,
                                        std::move(*choices), desktop_, *this, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setModal(false);
  dialog->adjustSize();
  CentreWindow(*dialog);
  optionsDialog_ = dialog;
  dialog->show();
}

void CustomLabelLayoutWindow::Preview() {
  form_.cmdPreview->setText(tr("Refresh"));
  if (!print::PrinterChoice::IsPrinterStored(settings_)) {
    choosePrinter_();
  }
  // Refresh draws the page again in the window already open.
  const bool opened = preview_ == nullptr;
  preview_ = commands_.PreviewLabels(preview_);
  if (opened && preview_ != nullptr) {
    connect(preview_, &PrintPreviewWindow::Closed, form_.cmdPreview,
            [this] { form_.cmdPreview->setText(tr("Preview")); });
  }
}

void CustomLabelLayoutWindow::PrintBlankCards() {
  const auto answer = desktop_.AskText(this, tr("Enter the Number of Blank QSL Cards to Print:"),
                                       tr("Print Blank QSL Cards"));
  std::string fault;
  const auto cards = designs::TypedBlankCards(ToUtf8(answer.value_or(QString())), fault);
  if (!cards) {
    desktop_.ShowMessage(this, ToQString(fault), MessageIcon::None);
  } else if (*cards > 0) {
    commands_.PrintBlankCards(*cards);
  }
}

void CustomLabelLayoutWindow::ClearAll() {
  if (!desktop_.AskWarning(this, tr("This will clear ALL the Data, Labels, & Settings \r\nfrom "
                                    "ALL of your fields!\r\n  \r\nAre you SURE you want to do "
                                    "this?"))) {
    return;
  }
  ApplySettings(settings_, desktop_, this,
                [this] { designs::ClearDesignFields(settings_, design_); });
  Load();
  Changed();
}

void CustomLabelLayoutWindow::MoveField(int field, double rightInches, double downInches,
                                        bool freely) {
  const double snap = form_.chkGrid->isChecked() && !freely ? kGridInches : 0;
  // A field that cannot be drawn cannot have been dragged, so a false moves nothing.
  ApplySettings(settings_, desktop_, this, [&] {
    designs::MoveDesignField(settings_, design_, field, rightInches, downInches, snap);
  });
  FieldWritten(field, designs::ReadDesignField(settings_, design_, field));
}

void CustomLabelLayoutWindow::ImportDesign() {
  if (files_.ImportDesign(this, design_)) {
    emit SettingsWritten();
    Load();
    Changed();
  }
}

void CustomLabelLayoutWindow::CopyDesign() {
  if (const std::optional<int> to = files_.CopyDesign(this, design_)) {
    emit SettingsWritten();
    emit NameChanged(*to, ToQString(designs::ReadCustomLabelDesign(settings_, *to).name));
  }
}

void CustomLabelLayoutWindow::RefreshView() {
  labels::LabelRunRequest request = commands_.SampleRequest();
  request.design = designs::CustomDesignOf(design_);
  if (samples_.Follow(request)) {
    sampleIndex_ = 0;
  }
  designs::ShownSample shown = samples_.Label(sampleIndex_);
  form_.labelView->SetSample(std::move(shown.sample), std::move(shown.note), sampleIndex_ > 0,
                             samples_.HasNext(sampleIndex_));
  form_.labelView->View().SetSnap(form_.chkGrid->isChecked() ? kGridInches : 0);
  form_.labelView->Refresh(
      state_.LabelStock,
      sheets::FindSheet(state_.LabelStock, settings_, session_.LabelSheets()).sheet);
}

void CustomLabelLayoutWindow::StepSample(int step) {
  if (step < 0 && sampleIndex_ > 0) {
    --sampleIndex_;
  } else if (step > 0 && samples_.HasNext(sampleIndex_)) {
    ++sampleIndex_;
  }
  RefreshView();
}

}  // namespace tavrilon::app
