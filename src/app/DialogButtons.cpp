#include "app/DialogButtons.h"

namespace tavrilon::app {

ButtonRow MakeButtonRow(std::initializer_list<DialogButton> buttons) {
  ButtonRow row{new QHBoxLayout, {}};
  row.layout->addStretch();
  for (const DialogButton& b : buttons) {
    auto* button = new QPushButton(b.text);
    button->setObjectName(QString::fromLatin1(b.name));
    row.layout->addWidget(button);
    row.buttons.push_back(button);
  }
  return row;
}

}  // namespace tavrilon::app
