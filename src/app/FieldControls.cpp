#include "app/FieldControls.h"

#include <QComboBox>

#include "app/Named.h"
#include "app/QtText.h"
#include "text/Text.h"

namespace tavrilon::app {

QComboBox* FieldNameList(const char* name) {
  auto* list = Named(new QComboBox, name);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);  // typing a name must not add it to the list
  list->setMinimumContentsLength(14);
  return list;
}

void FillFieldNameList(QComboBox& list, const std::vector<std::string>& choices) {
  list.clear();
  list.addItem(QString());
  for (const std::string& choice : choices) {
    list.addItem(ToQString(text::TrimBlanks(choice)));
  }
}

QComboBox* AlignList(const char* name) {
  auto* list = Named(new QComboBox, name);
  for (const auto align :
       {designs::FieldAlign::Left, designs::FieldAlign::Center, designs::FieldAlign::Right}) {
    list->addItem(ToQString(designs::AlignText(align)));
  }
  return list;
}

void ShowAlign(QComboBox& list, designs::FieldAlign align) {
  list.setCurrentIndex(static_cast<int>(align));
}

designs::FieldAlign ChosenAlign(const QComboBox& list) {
  return static_cast<designs::FieldAlign>(list.currentIndex());
}

}  // namespace tavrilon::app
