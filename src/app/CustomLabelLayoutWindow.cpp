#include "app/CustomLabelLayoutWindow.h"

#include <cmath>

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "adif/FieldChoices.h"
#include "adif/FieldTable.h"
#include "app/Desktop.h"
#include "app/LabelViewWidget.h"
#include "app/Named.h"
#include "app/PrintCommands.h"
#include "app/PrintPreviewWindow.h"
#include "app/QtText.h"
#include "app/SettingsApply.h"
#include "app/WindowPlacement.h"
#include "designs/DesignEditing.h"
#include "designs/DesignSettings.h"
#include "labels/LabelRun.h"
#include "print/PrinterChoice.h"
#include "qt/QtPrintSurface.h"
#include "sheets/SheetLookup.h"
#include "shell/MainWindowState.h"
#include "shell/Session.h"
#include "text/Text.h"

namespace tavrilon::app {

namespace {

using namespace settings;

const QString kTitle = QStringLiteral("Custom Label Design - ");

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
      design_(state.CustomDesignNumber) {
  setObjectName(QStringLiteral("frmCustLabelLayout"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* fields = new QGridLayout;
  for (int field = 1; field <= kDesignFieldCount; ++field) {
    fields->addWidget(MakeFieldFrame(field), (field - 1) / 5, (field - 1) % 5);
  }
  auto* nameRow = new QHBoxLayout;
  txtName_ = Named(new QLineEdit, "txtName");
  nameRow->addWidget(Named(new QLabel(tr("Change Design Name:")), "lblChgName"));
  nameRow->addWidget(txtName_, 1);

  auto* left = new QVBoxLayout;
  left->addLayout(nameRow);
  left->addLayout(fields);
  left->addWidget(MakeDesignSettings());

  auto* buttons = new QHBoxLayout;
  cmdSelectQSLImg_ = Named(new QPushButton(tr("Select QSL Image file")), "cmdSelectQSLImg");
  cmdPreview_ = Named(new QPushButton(tr("Preview")), "cmdPreview");
  cmdPreview_->setToolTip(tr(" Preview One Page of Labels "));
  cmdPrintBlankQsl_ = Named(new QPushButton(tr("Print Blank QSL")), "cmdPrint_Blank_QSL");
  cmdClearAll_ = Named(new QPushButton(tr("Clear ALL")), "cmdClearAll");
  cmdClearAll_->setToolTip(tr(" Clears ALL Data & Setings from ALL fields. "));
  cmdClose_ = Named(new QPushButton(tr("Close")), "cmdClose");
  cmdClose_->setToolTip(tr(" Close this window. "));
  for (QPushButton* button :
       {cmdSelectQSLImg_, cmdPreview_, cmdPrintBlankQsl_, cmdClearAll_, cmdClose_}) {
    buttons->addWidget(button);
  }
  left->addLayout(buttons);

  auto* right = new QVBoxLayout;
  labelView_ = new LabelViewWidget(settings_, design_);
  lblViewNote_ = Named(new QLabel, "lblViewNote");
  lblViewNote_->setWordWrap(true);
  lblViewNote_->setTextFormat(Qt::RichText);
  right->addWidget(labelView_, 1);
  right->addWidget(lblViewNote_);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);

  Connect();
  Load();
}

QWidget* CustomLabelLayoutWindow::MakeFieldFrame(int field) {
  FieldFrame& f = fraField1_[static_cast<std::size_t>(field - 1)];
  f.frame = Named(new QGroupBox(tr("Field %1").arg(field)), "fraField1");
  f.frame->setProperty("index", field - 1);
  auto* layout = new QGridLayout(f.frame);
  f.adif = Named(new QLabel(tr("None")), "lblADIF");
  f.label = Named(new QLabel(tr("None")), "lblLabel");
  f.font = Named(new QLabel(tr("Font")), "lblFont");
  f.horiz = Named(new QLabel, "lblHoriz");
  f.vert = Named(new QLabel, "lblVert");
  for (QLabel* label : {f.adif, f.label, f.font}) {
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(110);
  }
  auto* change = Named(new QPushButton(tr("Change")), "cmdChange");
  layout->addWidget(f.adif, 0, 0, 1, 2);
  layout->addWidget(f.label, 1, 0, 1, 2);
  layout->addWidget(f.font, 2, 0, 1, 2);
  layout->addWidget(f.horiz, 3, 0);
  layout->addWidget(f.vert, 3, 1);
  layout->addWidget(change, 4, 0, 1, 2);
  connect(change, &QPushButton::clicked, this, [this, field] { ChangeField(field); });
  return f.frame;
}

QWidget* CustomLabelLayoutWindow::MakeDesignSettings() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto checkRow = [&](QCheckBox*& check, const char* name, QLabel* caption, int row) {
    check = Named(new QCheckBox, name);
    CaptionOf(caption, check);
    grid->addWidget(check, row, 0, Qt::AlignRight);
    grid->addWidget(caption, row, 1);
  };
  checkRow(chkShortName_, "chkShortName",
           Named(new QLabel(tr("Check to use Short Name")), "lblShortName"), 0);
  checkRow(chkGrid_, "chkGrid", Named(new QLabel(tr("Show Grid")), "lblGrid"), 1);
  checkRow(chkPrintQSL_, "chkPrintQSL",
           Named(new QLabel(tr("Check to print QSL image")), "lblPrintQSL"), 2);

  const auto textRow = [&](QLineEdit*& edit, const char* name, QLabel* caption, int row, int column,
                           const QString& tip) {
    edit = Named(new QLineEdit, name);
    WideEnoughFor(*edit, QStringLiteral("-00.000"));
    edit->setToolTip(tip);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column, Qt::AlignRight);
    grid->addWidget(edit, row, column + 1);
  };
  textRow(txtMultiLines_, "txtMultiLines",
          Named(new QLabel(tr("Multi Line QSL:     Nbr QSL Lines per Label:")), "lblQSLLines"), 0,
          2, {});
  textRow(txtMultiDx_, "txtMultiDx", Named(new QLabel(tr("Dx to Next QSL Line:")), "lblDXOffset"),
          1, 2, {});
  textRow(txtImageWidth_, "txtImageWidth", Named(new QLabel(tr("Image Width")), "lblImageWidth"), 2,
          2, tr(" Enter Image Width in Inches"));
  textRow(txtImageHeight_, "txtImageHeight",
          Named(new QLabel(tr("Image Height")), "lblimageHeight"), 3, 2,
          tr(" Enter Image Height in Inches"));

  auto* orientation = Named(new QGroupBox(tr("Orientation")), "fraOrientation");
  auto* options = new QGridLayout(orientation);
  const auto option = [&](QRadioButton*& button, const char* name, QLabel* caption, int row) {
    button = Named(new QRadioButton, name);
    CaptionOf(caption, button);
    options->addWidget(button, row, 0);
    options->addWidget(caption, row, 1);
  };
  option(optLandscape_, "optLandscape", Named(new QLabel(tr("Landscape")), "lblLandscape"), 0);
  option(optPortrait_, "optPortrait", Named(new QLabel(tr("Portrait")), "lblPortrait"), 1);
  grid->addWidget(orientation, 0, 4, 3, 1);

  picQSLCard_ = Named(new QLabel(box), "picQSLCard");
  picQSLCard_->hide();  // holds the picture; imgQSLCard shows it
  imgQSLCard_ = Named(new QLabel, "imgQSLCard");
  imgQSLCard_->setToolTip(tr(" Selected Image Preview "));
  imgQSLCard_->setFixedSize(120, 80);
  imgQSLCard_->setFrameShape(QFrame::Box);
  imgQSLCard_->setAlignment(Qt::AlignCenter);
  grid->addWidget(imgQSLCard_, 0, 5, 4, 1);
  grid->setColumnStretch(6, 1);
  return box;
}

void CustomLabelLayoutWindow::Connect() {
  connect(txtName_, &QLineEdit::textChanged, this, &CustomLabelLayoutWindow::WriteName);
  const auto writes = [this](QLineEdit* box, DesignKeyName name) {
    connect(box, &QLineEdit::textChanged, this,
            [this, name](const QString& text) { Write(name, ToUtf8(text)); });
  };
  writes(txtMultiLines_, kDesignMultiLines);
  writes(txtMultiDx_, kDesignMultiDx);
  writes(txtImageWidth_, kDesignImageWidth);
  writes(txtImageHeight_, kDesignImageHeight);
  connect(optLandscape_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) {
      Write(kDesignOrientation, "Land");
    }
  });
  connect(optPortrait_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) {
      Write(kDesignOrientation, "Port");
    }
  });
  connect(chkGrid_, &QCheckBox::toggled, this,
          [this](bool on) { Write(kDesignShowGrid, on ? "1" : "0"); });
  connect(chkShortName_, &QCheckBox::toggled, this,
          [this](bool on) { Write(kDesignShortName, on ? "1" : "0"); });
  connect(chkPrintQSL_, &QCheckBox::toggled, this, &CustomLabelLayoutWindow::PrintImageToggled);
  connect(labelView_, &LabelViewWidget::FieldDragged, this, &CustomLabelLayoutWindow::MoveField);

  connect(cmdSelectQSLImg_, &QPushButton::clicked, this, &CustomLabelLayoutWindow::SelectPicture);
  connect(cmdPreview_, &QPushButton::clicked, this, &CustomLabelLayoutWindow::Preview);
  connect(cmdPrintBlankQsl_, &QPushButton::clicked, this,
          &CustomLabelLayoutWindow::PrintBlankCards);
  connect(cmdClearAll_, &QPushButton::clicked, this, &CustomLabelLayoutWindow::ClearAll);
  connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
}

void CustomLabelLayoutWindow::Load() {
  // The keys a control shows are written back as it shows them, in one save.
  const SettingsBatch batch(settings_);
  loading_ = true;
  const designs::CustomLabelDesign design = designs::ReadCustomLabelDesign(settings_, design_);
  const QString name = ToQString(design.name);
  setWindowTitle(kTitle + name);
  txtName_->setText(name);
  for (int field = 1; field <= kDesignFieldCount; ++field) {
    ShowFieldSummary(field, design.fields[static_cast<std::size_t>(field - 1)]);
  }
  chkShortName_->setChecked(design.shortName);
  chkGrid_->setChecked(design.showGrid);
  if (!design.imagePath.empty()) {
    LoadPicture(ToQString(design.imagePath), false);  // the label view says why it cannot be read
  }
  chkPrintQSL_->setChecked(design.printImage);
  (design.orientation == print::Orientation::Portrait ? optPortrait_ : optLandscape_)
      ->setChecked(true);
  txtMultiLines_->setText(ToQString(design.stored.multiLines));
  txtMultiDx_->setText(ToQString(design.stored.multiDx));
  loading_ = false;
  RefreshView();
}

void CustomLabelLayoutWindow::ShowFieldSummary(int field, const designs::DesignField& stored) {
  const FieldFrame& f = fraField1_[static_cast<std::size_t>(field - 1)];
  f.adif->setText(ToQString(stored.adif));
  if (!stored.stored.fontName.empty()) {
    f.font->setText(ToQString(stored.fontName));
    f.font->setStyleSheet(QStringLiteral("color: %1").arg(DesignColour(stored.color).name()));
  }
  f.horiz->setText(QStringLiteral("H ") + ToQString(stored.stored.horiz));
  f.vert->setText(QStringLiteral("V ") + ToQString(stored.stored.vert));
  f.label->setText(ToQString(stored.stored.label));
  ShowFieldRepeats(field, stored.repeats);
}

void CustomLabelLayoutWindow::ShowFieldRepeats(int field, bool repeats) {
  QGroupBox* frame = fraField1_[static_cast<std::size_t>(field - 1)].frame;
  frame->setTitle(repeats ? tr("Field %1 Repeats").arg(field) : tr("Field %1").arg(field));
  frame->setStyleSheet(repeats ? QStringLiteral("QGroupBox::title { color: #ff0000; }")
                               : QString());
}

void CustomLabelLayoutWindow::ShowAppliedField(int field, const designs::DesignField& stored) {
  ShowFieldSummary(field, stored);
  emit SettingsWritten();
  RefreshView();
}

void CustomLabelLayoutWindow::Write(DesignKeyName name, std::string_view value) {
  settings_.WriteSetting(DesignKey(design_, name), value);
  if (!loading_) {
    emit SettingsWritten();
    RefreshView();
  }
}

void CustomLabelLayoutWindow::WriteName(const QString& name) {
  setWindowTitle(kTitle + name);
  emit NameChanged(design_, name);
  Write(kDesignName, ToUtf8(name));
}

bool CustomLabelLayoutWindow::LoadPicture(const QString& path, bool tellFailure) {
  std::string reason;
  const QImage picture = qt::ReadPictureFile(ToUtf8(path), reason);
  if (picture.isNull()) {
    if (tellFailure) {
      desktop_.ShowMessage(this,
                           tr("The picture %1 cannot be read: %2").arg(path, ToQString(reason)),
                           MessageIcon::None);
    }
    return false;
  }
  picQSLCard_->setPixmap(QPixmap::fromImage(picture));
  return true;
}

void CustomLabelLayoutWindow::PrintImageToggled(bool ticked) {
  if (ticked) {
    const QPixmap& picture = picQSLCard_->pixmap();
    imgQSLCard_->setPixmap(
        picture.isNull()
            ? QPixmap()
            : picture.scaled(imgQSLCard_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const designs::StoredDesignTexts stored =
        designs::ReadCustomLabelDesign(settings_, design_).stored;
    for (auto [box, text] : {std::pair(txtImageWidth_, &stored.imageWidth),
                             std::pair(txtImageHeight_, &stored.imageHeight)}) {
      if (!text->empty()) {
        box->setText(ToQString(*text));
      }
    }
  } else {
    imgQSLCard_->clear();
  }
  Write(kDesignPrintImage, ticked ? "TRUE" : "FALSE");
}

void CustomLabelLayoutWindow::CaptionOf(QLabel* caption, QAbstractButton* button) {
  caption->setBuddy(button);
  button->setAccessibleName(caption->text());
  caption->installEventFilter(this);
}

bool CustomLabelLayoutWindow::eventFilter(QObject* watched, QEvent* event) {
  // A click on a caption is a click on its button, as on the button's own text.
  auto* caption = qobject_cast<QLabel*>(watched);
  if (caption != nullptr && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (auto* button = qobject_cast<QAbstractButton*>(caption->buddy());
        button != nullptr && mouse->button() == Qt::LeftButton &&
        caption->rect().contains(mouse->position().toPoint())) {
      button->click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
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

void CustomLabelLayoutWindow::SelectPicture() {
  const QString current = ToQString(designs::ReadCustomLabelDesign(settings_, design_).imagePath);
  const auto path = desktop_.ChooseOpenFile(
      this, tr("Load QSL Image File"), current.isEmpty() ? QString() : QFileInfo(current).path(),
      tr("BMP Files (*.bmp *.BMP);;Pictures (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg "
         "*.JPEG);;All Files (*)"));
  if (!path || !LoadPicture(*path, true)) {
    return;
  }
  imgQSLCard_->setPixmap(picQSLCard_->pixmap().scaled(imgQSLCard_->size(), Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
  Write(kDesignImagePath, ToUtf8(QFileInfo(*path).absoluteFilePath()));
}

void CustomLabelLayoutWindow::Preview() {
  cmdPreview_->setText(tr("Refresh"));
  if (!print::PrinterChoice::IsPrinterStored(settings_)) {
    choosePrinter_();
  }
  // Refresh draws the page again in the window already open.
  const bool opened = preview_ == nullptr;
  preview_ = commands_.PreviewLabels(preview_);
  if (opened && preview_ != nullptr) {
    connect(preview_, &PrintPreviewWindow::Closed, cmdPreview_,
            [this] { cmdPreview_->setText(tr("Preview")); });
  }
}

void CustomLabelLayoutWindow::PrintBlankCards() {
  const auto answer = desktop_.AskText(this, tr("Enter the Number of Blank QSL Cards to Print:"),
                                       tr("Print Blank QSL Cards"));
  const QString typed = answer.value_or(QString());
  const auto count = text::ParseSignedNumber(ToUtf8(typed));
  if (!count) {
    desktop_.ShowMessage(this, tr("Your entry %1 is not a numeric value.").arg(typed),
                         MessageIcon::None);
    return;
  }
  const double cards = std::floor(*count);
  if (cards > labels::kMostLabelsToSkip) {
    desktop_.ShowMessage(this,
                         tr("Your entry %1 is more blank QSL cards than Tavrilon prints at once "
                            "(%2).")
                             .arg(typed)
                             .arg(labels::kMostLabelsToSkip),
                         MessageIcon::None);
    return;
  }
  if (cards >= 1) {
    commands_.PrintBlankCards(static_cast<long>(cards));
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
}

void CustomLabelLayoutWindow::MoveField(int field, double rightInches, double downInches) {
  // A field that cannot be drawn cannot have been dragged, so a false moves nothing.
  ApplySettings(settings_, desktop_, this, [&] {
    designs::MoveDesignField(settings_, design_, field, rightInches, downInches);
  });
  ShowFieldSummary(field, designs::ReadDesignField(settings_, design_, field));
  RefreshView();
}

void CustomLabelLayoutWindow::RefreshView() {
  if (!sampleRead_ || sampleLog_ != state_.LabelInputFile) {
    sampleRead_ = true;
    sampleLog_ = state_.LabelInputFile;
    const std::filesystem::path dictionary = session_.DataFolder() / adif::kDictionaryFileName;
    std::string fault =
        "No label input file is chosen, so field names in brackets stand for a "
        "contact's values.";
    std::optional<designs::LabelSample> sample;
    if (!sampleLog_.empty()) {
      // A reader of its own: a run may be using the program's.
      adif::AdifInput reader(dictionary);
      sample = designs::ReadFirstLabel(reader, sampleLog_, fault);
      if (sample && sample->contacts.empty()) {
        fault = sampleLog_ +
                " holds no contacts, so field names in brackets stand for a "
                "contact's values.";
        sample.reset();
      }
      sampleNote_ = "The first label of " + sampleLog_ + ".";
    }
    if (!sample) {
      std::string dictionaryFault;
      sample = designs::BracketSample(dictionary, dictionaryFault);
      sampleNote_ = sample ? fault : dictionaryFault;
      if (!sample) {
        sample.emplace();
      }
    }
    labelView_->SetSample(std::move(*sample));
  }
  const auto sheet = sheets::FindSheet(state_.LabelStock, settings_).sheet;
  labelView_->SetSheet(sheet);
  labelView_->Redraw();

  QStringList note{ToQString(sampleNote_).toHtmlEscaped()};
  if (!sheet) {
    note << tr("The label stock \"%1\" is not known, so the label's outline is a guess.")
                .arg(ToQString(state_.LabelStock))
                .toHtmlEscaped();
  }
  std::string warning = labelView_->Failure();
  if (const auto& overflow = labelView_->Overflow(); warning.empty() && overflow) {
    warning = designs::OverflowText(
        design_, designs::ReadCustomLabelDesign(settings_, design_).name, *overflow, *sheet);
  }
  if (!warning.empty()) {
    note << QStringLiteral("<span style=\"color: #c00000\">%1</span>")
                .arg(ToQString(warning).toHtmlEscaped());
  }
  lblViewNote_->setText(note.join(QStringLiteral("<br>")));
}

}  // namespace tavrilon::app
