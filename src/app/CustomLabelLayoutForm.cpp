#include "app/CustomLabelLayoutForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/FieldOptionsDialog.h"
#include "app/LabelViewPanel.h"
#include "app/Named.h"

namespace tavrilon::app {

// A click on a caption is a click on its button, as on the button's own text.
class CaptionClicks : public QObject {
 public:
  using QObject::QObject;

  void Caption(QLabel* caption, QAbstractButton* button) {
    caption->setBuddy(button);
    button->setAccessibleName(caption->text());
    caption->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
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
    return QObject::eventFilter(watched, event);
  }
};

CustomLabelLayoutForm::CustomLabelLayoutForm(QWidget& window, settings::SettingsFile& settings,
                                             int design) {
  auto* fields = new QGridLayout;
  for (int field = 1; field <= settings::kDesignFieldCount; ++field) {
    fields->addWidget(MakeFieldFrame(field), (field - 1) / 5, (field - 1) % 5);
  }
  auto* nameRow = new QHBoxLayout;
  txtName = Named(new QLineEdit, "txtName");
  nameRow->addWidget(Named(new QLabel(tr("Change Design Name:")), "lblChgName"));
  nameRow->addWidget(txtName, 1);

  auto* left = new QVBoxLayout;
  left->addLayout(nameRow);
  left->addLayout(fields);
  left->addWidget(MakeDesignSettings(*new CaptionClicks(&window)));

  auto* buttons = new QHBoxLayout;
  cmdSelectQSLImg = Named(new QPushButton(tr("Select QSL Image file")), "cmdSelectQSLImg");
  cmdPreview = Named(new QPushButton(tr("Preview")), "cmdPreview");
  cmdPreview->setToolTip(tr(" Preview One Page of Labels "));
  cmdPrintBlankQsl = Named(new QPushButton(tr("Print Blank QSL")), "cmdPrint_Blank_QSL");
  cmdClearAll = Named(new QPushButton(tr("Clear ALL")), "cmdClearAll");
  cmdClearAll->setToolTip(tr(" Clears ALL Data & Setings from ALL fields. "));
  cmdClose = Named(new QPushButton(tr("Close")), "cmdClose");
  cmdClose->setToolTip(tr(" Close this window. "));
  for (QPushButton* button :
       {cmdSelectQSLImg, cmdPreview, cmdPrintBlankQsl, cmdClearAll, cmdClose}) {
    buttons->addWidget(button);
  }
  left->addLayout(buttons);

  labelView = new LabelViewPanel(settings, design);
  viewColumn = new QVBoxLayout;
  viewColumn->addWidget(labelView, 1);
  auto* layout = new QHBoxLayout(&window);
  layout->addLayout(left);
  layout->addLayout(viewColumn, 1);
}

QWidget* CustomLabelLayoutForm::MakeFieldFrame(int field) {
  FieldFrame& f = fraField1[static_cast<std::size_t>(field - 1)];
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
    label->setMinimumWidth(96);
  }
  f.change = Named(new QPushButton(tr("Change")), "cmdChange");
  layout->addWidget(f.adif, 0, 0, 1, 2);
  layout->addWidget(f.label, 1, 0, 1, 2);
  layout->addWidget(f.font, 2, 0, 1, 2);
  layout->addWidget(f.horiz, 3, 0);
  layout->addWidget(f.vert, 3, 1);
  layout->addWidget(f.change, 4, 0, 1, 2);
  return f.frame;
}

QWidget* CustomLabelLayoutForm::MakeDesignSettings(CaptionClicks& captions) {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto checkRow = [&](QCheckBox*& check, const char* name, QLabel* caption, int row) {
    check = Named(new QCheckBox, name);
    captions.Caption(caption, check);
    grid->addWidget(check, row, 0, Qt::AlignRight);
    grid->addWidget(caption, row, 1);
  };
  checkRow(chkShortName, "chkShortName",
           Named(new QLabel(tr("Check to use Short Name")), "lblShortName"), 0);
  checkRow(chkGrid, "chkGrid", Named(new QLabel(tr("Show Grid")), "lblGrid"), 1);
  checkRow(chkPrintQSL, "chkPrintQSL",
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
  textRow(txtMultiLines, "txtMultiLines",
          Named(new QLabel(tr("Multi Line QSL:     Nbr QSL Lines per Label:")), "lblQSLLines"), 0,
          2, {});
  textRow(txtMultiDx, "txtMultiDx", Named(new QLabel(tr("Dx to Next QSL Line:")), "lblDXOffset"), 1,
          2, {});
  textRow(txtImageWidth, "txtImageWidth", Named(new QLabel(tr("Image Width")), "lblImageWidth"), 2,
          2, tr(" Enter Image Width in Inches"));
  textRow(txtImageHeight, "txtImageHeight", Named(new QLabel(tr("Image Height")), "lblimageHeight"),
          3, 2, tr(" Enter Image Height in Inches"));

  auto* orientation = Named(new QGroupBox(tr("Orientation")), "fraOrientation");
  auto* options = new QGridLayout(orientation);
  const auto option = [&](QRadioButton*& button, const char* name, QLabel* caption, int row) {
    button = Named(new QRadioButton, name);
    captions.Caption(caption, button);
    options->addWidget(button, row, 0);
    options->addWidget(caption, row, 1);
  };
  option(optLandscape, "optLandscape", Named(new QLabel(tr("Landscape")), "lblLandscape"), 0);
  option(optPortrait, "optPortrait", Named(new QLabel(tr("Portrait")), "lblPortrait"), 1);
  grid->addWidget(orientation, 0, 4, 3, 1);

  picQSLCard = Named(new QLabel(box), "picQSLCard");
  picQSLCard->hide();
  imgQSLCard = Named(new QLabel, "imgQSLCard");
  imgQSLCard->setToolTip(tr(" Selected Image Preview "));
  imgQSLCard->setFixedSize(96, 64);
  imgQSLCard->setFrameShape(QFrame::Box);
  imgQSLCard->setAlignment(Qt::AlignCenter);
  grid->addWidget(imgQSLCard, 0, 5, 4, 1);
  grid->setColumnStretch(6, 1);
  return box;
}

}  // namespace tavrilon::app
