#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QObject>

#include "settings/SettingsFile.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace tavrilon::app {

// How a control shows its key.
enum class KeyControl {
  Text,    // a line edit: the key's text, or what a new design holds
  Tick,    // a check box: ticked when the key holds `on`; stores `on` or `off`
  Choice,  // an option: chosen when the key holds `on`; the first of the key's
           // options when it holds none of theirs
};

struct KeyBinding {
  KeyControl kind;
  QWidget* control;
  settings::DesignKeyName key;
  std::string_view on;
  std::string_view off;
};

KeyBinding TextKey(QLineEdit* edit, settings::DesignKeyName key);
KeyBinding TickKey(QAbstractButton* box, settings::DesignKeyName key, std::string_view on,
                   std::string_view off);
KeyBinding ChoiceKey(QAbstractButton* option, settings::DesignKeyName key, std::string_view on);

// Keys of a design of its own, each shown in a control and written the
// moment the control changes; `stored` runs after every write, told the key
// of a box being typed in (empty for a tick or an option). Load shows the
// keys, so a control it changes writes its key back as shown.
class DesignKeyBinding : public QObject {
 public:
  DesignKeyBinding(settings::SettingsFile& settings, int design, std::vector<KeyBinding> bindings,
                   std::function<void(std::string_view typing)> stored, QObject* parent = nullptr);

  void Load() const;

 private:
  std::string Value(const settings::DesignKeyName& key) const;
  bool Chosen(const KeyBinding& option, const std::string& value) const;
  void Store(const settings::DesignKeyName& key, std::string_view value,
             std::string_view typing = {}) const;

  settings::SettingsFile& settings_;
  const int design_;
  const std::vector<KeyBinding> bindings_;
  const std::function<void(std::string_view typing)> stored_;
};

}  // namespace tavrilon::app
