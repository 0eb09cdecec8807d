#pragma once

#include <initializer_list>
#include <vector>

#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

namespace tavrilon::app {

struct DialogButton {
  const char* name;  // the control name, as objectName
  QString text;
};

// A dialog's buttons at the right end of a row, in order.
struct ButtonRow {
  QHBoxLayout* layout;
  std::vector<QPushButton*> buttons;
};
ButtonRow MakeButtonRow(std::initializer_list<DialogButton> buttons);

}  // namespace tavrilon::app
