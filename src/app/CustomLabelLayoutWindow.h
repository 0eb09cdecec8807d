#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <QPointer>
#include <QWidget>

#include "app/FieldOptionsDialog.h"
#include "settings/SettingsFile.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrilon {
class Session;
}
namespace tavrilon::shell {
class MainWindowState;
}

namespace tavrilon::app {

class Desktop;
class LabelViewWidget;
class PrintCommands;
class PrintPreviewWindow;

// frmCustLabelLayout: one custom label design, its fifteen fields summed up
// and the design's own settings, each written the moment it changes, beside
// a view of one label drawn as it prints. It deletes itself when closed, and
// the field options dialog with it.
class CustomLabelLayoutWindow : public QWidget, private FieldSummaryView {
  Q_OBJECT

 public:
  // `choosePrinter` shows the printer dialog and returns once it is closed.
  CustomLabelLayoutWindow(Session& session, const shell::MainWindowState& state,
                          PrintCommands& commands, Desktop& desktop,
                          std::function<void()> choosePrinter, QWidget* parent = nullptr);

  int Design() const { return design_; }

 signals:
  void NameChanged(int design, const QString& name);
  void SettingsWritten();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FieldFrame {
    QGroupBox* frame = nullptr;
    QLabel* adif = nullptr;
    QLabel* font = nullptr;
    QLabel* horiz = nullptr;
    QLabel* vert = nullptr;
    QLabel* label = nullptr;
  };

  QWidget* MakeFieldFrame(int field);
  QWidget* MakeDesignSettings();
  // `caption` stands beside `button` as its text: a click on it clicks the button.
  void CaptionOf(QLabel* caption, QAbstractButton* button);
  void Connect();
  void Load();
  void ShowFieldSummary(int field, const designs::DesignField& stored);
  void ShowFieldRepeats(int field, bool repeats) override;
  void ShowAppliedField(int field, const designs::DesignField& stored) override;
  // Writes a key of the design's own and shows the label again.
  void Write(settings::DesignKeyName name, std::string_view value);
  void WriteName(const QString& name);
  void PrintImageToggled(bool ticked);
  bool LoadPicture(const QString& path, bool tellFailure);

  void ChangeField(int field);
  void SelectPicture();
  void Preview();
  void PrintBlankCards();
  void ClearAll();
  void MoveField(int field, double rightInches, double downInches);

  // The label view's contacts and stock as the main window now holds them,
  // and the label drawn again.
  void RefreshView();

  Session& session_;
  settings::SettingsFile& settings_;
  const shell::MainWindowState& state_;
  PrintCommands& commands_;
  Desktop& desktop_;
  std::function<void()> choosePrinter_;
  const int design_;
  int fieldToEdit_ = 1;  // the field whose Change button was pressed last
  bool loading_ = false;
  QPointer<FieldOptionsDialog> optionsDialog_;
  QPointer<PrintPreviewWindow> preview_;
  bool sampleRead_ = false;
  std::string sampleLog_;   // the label log the view's contacts came from
  std::string sampleNote_;  // where they came from, or why not from the log

  QLineEdit* txtName_ = nullptr;
  std::array<FieldFrame, settings::kDesignFieldCount> fraField1_{};
  QCheckBox* chkShortName_ = nullptr;
  QCheckBox* chkGrid_ = nullptr;
  QLineEdit* txtMultiLines_ = nullptr;
  QLineEdit* txtMultiDx_ = nullptr;
  QRadioButton* optLandscape_ = nullptr;
  QRadioButton* optPortrait_ = nullptr;
  QCheckBox* chkPrintQSL_ = nullptr;
  QLineEdit* txtImageWidth_ = nullptr;
  QLineEdit* txtImageHeight_ = nullptr;
  QLabel* picQSLCard_ = nullptr;
  QLabel* imgQSLCard_ = nullptr;
  QPushButton* cmdSelectQSLImg_ = nullptr;
  QPushButton* cmdPreview_ = nullptr;
  QPushButton* cmdPrintBlankQsl_ = nullptr;
  QPushButton* cmdClearAll_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
  LabelViewWidget* labelView_ = nullptr;
  QLabel* lblViewNote_ = nullptr;
};

}  // namespace tavrilon::app
