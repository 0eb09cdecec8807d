#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include <QPointer>
#include <QWidget>

#include "app/CustomLabelLayoutForm.h"
#include "app/DesignEditorMenu.h"
#include "app/DesignFileCommands.h"
#include "app/DesignPictureBox.h"
#include "app/FieldOptionsDialog.h"
#include "designs/DesignHistory.h"
#include "labels/RunLabelSamples.h"
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
class FieldPropertyPanel;
class PrintCommands;
class PrintPreviewWindow;

// frmCustLabelLayout: one custom label design, its fifteen fields summed up
// and the design's own settings, each written the moment it changes, beside
// a view of the labels the run will print, drawn as they print. Every change
// made here or in its dialogs can be undone while it is open. It deletes
// itself when closed, and the field options dialog with it.
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
  void Stored(std::string_view typing = {});
  // A change of the design, for undo: `typing` names the box typed in.
  void Changed(std::string_view typing = {});
  void Undo();
  void Redo();
  // The design as the history steps to it, shown whole.
  void Restore(const std::optional<designs::DesignKeys>& keys);
  void ShowHistory();

  void ChangeField(int field);
  void Preview();
  void PrintBlankCards();
  void ClearAll();
  // A drag snaps to the grid while it is shown, unless made `freely`.
  void MoveField(int field, double rightInches, double downInches, bool freely);
  // An edit in the property panel, written already.
  void FieldEdited(int field, const QString& typing);
  // After a field's keys were written: its summary, a step to undo, the
  // panel and the label shown again.
  void FieldWritten(int field, const designs::DesignField& stored, std::string_view typing = {},
                    bool reloadPanel = true);
  // The field chosen in the view, the panel or by its Change button.
  void SelectField(int field);
  void ImportDesign();
  void CopyDesign();

  // The labels of the run as the main window now holds it, the stock's
  // outline, and the label drawn again.
  void RefreshView();
  void StepSample(int step);

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
  DesignEditorMenu menu_;
  DesignPictureBox picture_;
  DesignKeyBinding* designKeys_ = nullptr;
  FieldPropertyPanel* properties_ = nullptr;
  DesignFileCommands files_;
  std::optional<designs::DesignHistory> history_;  // from the first load on
  labels::RunLabelSamples samples_;
  std::size_t sampleIndex_ = 0;  // the label of the run shown
};

}  // namespace tavrilon::app
