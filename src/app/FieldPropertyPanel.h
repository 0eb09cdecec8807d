#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "designs/DesignEditing.h"
#include "settings/SettingsFile.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrilon::app {

class Desktop;

// The selected field of a design beside the label view, each property in a
// control of its own and written the moment it changes, one key for one
// property, so that the label shows the change at once.
class FieldPropertyPanel : public QWidget {
  Q_OBJECT

 public:
  // `fieldChoices` are the dictionary's field names.
  FieldPropertyPanel(settings::SettingsFile& settings, int design,
                     std::vector<std::string> fieldChoices, Desktop& desktop,
                     QWidget* parent = nullptr);

  // 0 for none, 1 to 15, or 16 for the design's picture; read afresh.
  void ShowField(int field);
  // The field shown, read again after a change made elsewhere.
  void Reload();

 signals:
  // After each write. `typingKey` names the box typed in, so that the
  // keystrokes in one box can count as one change; empty for a change made
  // at one go: a pick from a list, a tick, a colour.
  void FieldEdited(int field, const QString& typingKey);

 private:
  void Show(const designs::FieldOptions& options);
  void ShowColour();
  void Edit(const QString& typingKey, const std::function<void(designs::FieldOptions&)>& change);
  void OnText(QLineEdit* box, std::function<void(designs::FieldOptions&, std::string)> set);
  void OnList(QComboBox* list, std::function<void(designs::FieldOptions&, std::string)> set);
  void OnTick(QAbstractButton* box, std::function<void(designs::FieldOptions&, bool)> set);
  void ChooseColour();

  settings::SettingsFile& settings_;
  const int design_;
  Desktop& desktop_;
  int field_ = 0;
  // The field as stored when shown, and as written since.
  designs::FieldOptions shown_;
  bool loading_ = false;

  QLabel* title_ = nullptr;
  QLabel* note_ = nullptr;
  QComboBox* adif_ = nullptr;
  QLineEdit* label_ = nullptr;
  QComboBox* font_ = nullptr;
  QComboBox* size_ = nullptr;
  QCheckBox* bold_ = nullptr;
  QCheckBox* italic_ = nullptr;
  QPushButton* colour_ = nullptr;
  QCheckBox* repeats_ = nullptr;
  QComboBox* testField_ = nullptr;
  QRadioButton* equal_ = nullptr;
  QRadioButton* notEqual_ = nullptr;
  QLineEdit* compare_ = nullptr;
  QLineEdit* then_ = nullptr;
  QLineEdit* else_ = nullptr;
  QLineEdit* horiz_ = nullptr;
  QLineEdit* vert_ = nullptr;
  QComboBox* align_ = nullptr;
};

}  // namespace tavrilon::app
