#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QDialog>

#include "designs/DesignEditing.h"
#include "settings/SettingsFile.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tavrilon::app {

class Desktop;

// What the field options dialog changes in the design editor: a field's
// summary after Apply, and its frame caption at once when the repeat box
// is ticked or cleared.
class FieldSummaryView {
 public:
  virtual void ShowFieldRepeats(int field, bool repeats) = 0;
  virtual void ShowAppliedField(int field, const designs::DesignField& stored) = 0;

 protected:
  ~FieldSummaryView() = default;
};

// frmCLLOptions: one field of a custom label design, edited without a word
// to the settings file until Apply, which writes all of the field's keys.
// It stays open after Apply and deletes itself when closed. Escape and the
// window's close button ask before dropping what was typed and not applied;
// Exit drops it without asking.
class FieldOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // `choices` are the dictionary's field names, read by the editor, which
  // opens no dialog without them.
  FieldOptionsDialog(settings::SettingsFile& settings, int design, int field,
                     std::filesystem::path dictionary, std::vector<std::string> choices,
                     Desktop& desktop, FieldSummaryView& editor, QWidget* parent = nullptr);

  int Field() const { return field_; }

  void reject() override;

 private:
  void FillLists(const std::vector<std::string>& choices);
  void Load();
  // The field as the controls now hold it.
  designs::FieldOptions Typed() const;
  void ChangeFont();
  void ShowFontText(const QString& text);
  void Apply();
  void ClearAll();

  settings::SettingsFile& settings_;
  int design_;
  int field_;
  std::filesystem::path dictionary_;
  Desktop& desktop_;
  FieldSummaryView& editor_;
  // The font being edited, as the font keys hold it.
  designs::FieldOptions font_;
  // The field as loaded or last applied: what the controls held then.
  designs::FieldOptions applied_;
  bool exiting_ = false;

  QComboBox* cboADIF_ = nullptr;
  QComboBox* cboADIF2_ = nullptr;
  QLineEdit* txtCLLOpText_ = nullptr;
  QLineEdit* txtCLLOpHoriz_ = nullptr;
  QLineEdit* txtCLLOpVert_ = nullptr;
  QLabel* lblCLLOpFont_ = nullptr;
  QRadioButton* optEqual_ = nullptr;
  QRadioButton* optNotEqual_ = nullptr;
  QLineEdit* txtCLLTest_ = nullptr;
  QLineEdit* txtCLLThen_ = nullptr;
  QLineEdit* txtCLLElse_ = nullptr;
  QCheckBox* chkCLLMultiRpt_ = nullptr;
  QComboBox* cboAlign_ = nullptr;
};

// A box for numbers: wide enough for `sample` in the box's font, so that a
// number shows whole at any scale of the screen, and at most twice that.
void WideEnoughFor(QLineEdit& box, const QString& sample);

}  // namespace tavrilon::app
