#pragma once

#include <array>

#include <QCoreApplication>

#include "settings/SettingsKeys.h"

class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tavrilon::settings {
class SettingsFile;
}

namespace tavrilon::app {

class CaptionClicks;
class LabelViewPanel;

// One field's frame: the field summed up, and the button to its options.
struct FieldFrame {
  QGroupBox* frame = nullptr;
  QLabel* adif = nullptr;
  QLabel* font = nullptr;
  QLabel* horiz = nullptr;
  QLabel* vert = nullptr;
  QLabel* label = nullptr;
  QPushButton* change = nullptr;
};

// The controls of frmCustLabelLayout, made on the window that owns them,
// each under the name the design gives it; a click on the caption of a box
// or an option clicks it. The window wires them.
struct CustomLabelLayoutForm {
  Q_DECLARE_TR_FUNCTIONS(CustomLabelLayoutForm)

 public:
  CustomLabelLayoutForm(QWidget& window, settings::SettingsFile& settings, int design);

  QLineEdit* txtName = nullptr;
  std::array<FieldFrame, settings::kDesignFieldCount> fraField1{};
  QCheckBox* chkShortName = nullptr;
  QCheckBox* chkGrid = nullptr;
  QLineEdit* txtMultiLines = nullptr;
  QLineEdit* txtMultiDx = nullptr;
  QRadioButton* optLandscape = nullptr;
  QRadioButton* optPortrait = nullptr;
  QCheckBox* chkPrintQSL = nullptr;
  QLineEdit* txtImageWidth = nullptr;
  QLineEdit* txtImageHeight = nullptr;
  QLabel* picQSLCard = nullptr;  // holds the picture; imgQSLCard shows it
  QLabel* imgQSLCard = nullptr;
  QPushButton* cmdSelectQSLImg = nullptr;
  QPushButton* cmdPreview = nullptr;
  QPushButton* cmdPrintBlankQsl = nullptr;
  QPushButton* cmdClearAll = nullptr;
  QPushButton* cmdClose = nullptr;
  LabelViewPanel* labelView = nullptr;
  QBoxLayout* viewColumn = nullptr;  // the label view, and under it what edits its texts

 private:
  QWidget* MakeFieldFrame(int field);
  QWidget* MakeDesignSettings(CaptionClicks& captions);
};

}  // namespace tavrilon::app
