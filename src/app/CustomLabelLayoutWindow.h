#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "app/CustomLabelLayoutForm.h"
#include "app/DesignPictureBox.h"
#include "app/FieldOptionsDialog.h"
#include "settings/SettingsFile.h"

namespace tavrilon {
class Session;
}
namespace tavrilon::shell {
class MainWindowState;
}

namespace tavrilon::app {

class DesignKeyBinding;
class Desktop;
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

 private:
  void Connect();
  void Load();
  void ShowFieldSummary(int field, const designs::DesignField& stored);
  void ShowFieldRepeats(int field, bool repeats) override;
  void ShowAppliedField(int field, const designs::DesignField& stored) override;
  // After a key of the design's own was written: the label shown again.
  void Stored();

  void ChangeField(int field);
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
  CustomLabelLayoutForm form_;
  DesignPictureBox picture_;
  DesignKeyBinding* designKeys_ = nullptr;
};

}  // namespace tavrilon::app
