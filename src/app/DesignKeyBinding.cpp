#include "app/DesignKeyBinding.h"

#include <algorithm>

#include <QAbstractButton>
#include <QLineEdit>

#include "app/QtText.h"

namespace tavrilon::app {

KeyBinding TextKey(QLineEdit* edit, settings::DesignKeyName key) {
  return {KeyControl::Text, edit, key, {}, {}};
}

KeyBinding TickKey(QAbstractButton* box, settings::DesignKeyName key, std::string_view on,
                   std::string_view off) {
  return {KeyControl::Tick, box, key, on, off};
}

KeyBinding ChoiceKey(QAbstractButton* option, settings::DesignKeyName key, std::string_view on) {
  return {KeyControl::Choice, option, key, on, {}};
}

DesignKeyBinding::DesignKeyBinding(settings::SettingsFile& settings, int design,
                                   std::vector<KeyBinding> bindings,
                                   std::function<void(std::string_view typing)> stored,
                                   QObject* parent)
    : QObject(parent),
      settings_(settings),
      design_(design),
      bindings_(std::move(bindings)),
      stored_(std::move(stored)) {
  for (const KeyBinding& b : bindings_) {
    auto* button = qobject_cast<QAbstractButton*>(b.control);
    switch (b.kind) {
      case KeyControl::Text:
        connect(qobject_cast<QLineEdit*>(b.control), &QLineEdit::textChanged, this,
                [this, b](const QString& text) { Store(b.key, ToUtf8(text), b.key.name); });
        break;
      case KeyControl::Tick:
        connect(button, &QAbstractButton::toggled, this,
                [this, b](bool on) { Store(b.key, on ? b.on : b.off); });
        break;
      case KeyControl::Choice:
        connect(button, &QAbstractButton::toggled, this, [this, b](bool on) {
          if (on) {
            Store(b.key, b.on);
          }
        });
        break;
    }
  }
}

void DesignKeyBinding::Load() const {
  for (const KeyBinding& b : bindings_) {
    const std::string value = Value(b.key);
    auto* button = qobject_cast<QAbstractButton*>(b.control);
    switch (b.kind) {
      case KeyControl::Text:
        qobject_cast<QLineEdit*>(b.control)->setText(ToQString(value));
        break;
      case KeyControl::Tick:
        button->setChecked(value == b.on);
        break;
      case KeyControl::Choice:
        // The other options of the group go off by themselves.
        if (Chosen(b, value)) {
          button->setChecked(true);
        }
        break;
    }
  }
}

std::string DesignKeyBinding::Value(const settings::DesignKeyName& key) const {
  const std::string stored = settings_.ReadSetting(settings::DesignKey(design_, key), "");
  return stored.empty() ? std::string(key.firstRunValue) : stored;
}

bool DesignKeyBinding::Chosen(const KeyBinding& option, const std::string& value) const {
  if (value == option.on) {
    return true;
  }
  const auto sameKey = [&](const KeyBinding& b) {
    return b.kind == KeyControl::Choice && b.key.name == option.key.name;
  };
  const auto first = std::ranges::find_if(bindings_, sameKey);
  return &*first == &option && std::ranges::none_of(bindings_, [&](const KeyBinding& b) {
    return sameKey(b) && b.on == value;
  });
}

void DesignKeyBinding::Store(const settings::DesignKeyName& key, std::string_view value,
                             std::string_view typing) const {
  settings_.WriteSetting(settings::DesignKey(design_, key), value);
  stored_(typing);
}

}  // namespace tavrilon::app
