#pragma once

#include <deque>
#include <optional>

#include <QString>
#include <QStringList>

#include "app/Desktop.h"
#include "support/NextAnswer.h"

namespace tavrilon::test {

// Answers the windows' dialogs from a script and records what they showed.
class ScriptedDesktop : public app::Desktop {
 public:
  void ShowMessage(QWidget*, const QString& text, MessageIcon icon) override {
    messages << text;
    icons << icon;
  }
  bool AskYesNo(QWidget*, const QString& text) override {
    questions << text;
    return NextAnswer(yesNoAnswers);
  }
  void ShowWarning(QWidget*, const QString& text) override { warnings << text; }
  bool AskWarning(QWidget*, const QString& text) override {
    warnings << text;
    return NextAnswer(yesNoAnswers);
  }
  std::optional<FontChoice> ChooseFont(QWidget*, const FontChoice&) override {
    return NextAnswer(fontAnswers);
  }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override {
    return NextAnswer(colourAnswers);
  }
  std::optional<QString> AskText(QWidget*, const QString&, const QString&) override {
    return NextAnswer(textAnswers);
  }
  std::optional<QString> ChooseOpenFile(QWidget*, const QString& title, const QString&,
                                        const QString& filter) override {
    fileDialogs << title + " | " + filter;
    return NextAnswer(fileAnswers);
  }
  std::optional<QString> ChooseSaveFile(QWidget*, const QString& title, const QString& suggested,
                                        const QString&) override {
    fileDialogs << title + " | " + suggested;
    return NextAnswer(fileAnswers);
  }
  std::optional<QString> ChooseFolder(QWidget*, const QString& title, const QString&) override {
    fileDialogs << title;
    return NextAnswer(fileAnswers);
  }
  bool OpenDocument(const QString& path) override {
    openedDocuments << path;
    return true;
  }
  bool StartProgram(const QString&) override { return true; }
  void EndProgram(int status) override { endStatus = status; }

  QStringList messages;
  QStringList questions;
  QStringList warnings;
  QList<MessageIcon> icons;
  QStringList fileDialogs;
  QStringList openedDocuments;
  std::deque<std::optional<QString>> textAnswers;
  std::deque<std::optional<QString>> fileAnswers;
  std::deque<bool> yesNoAnswers;  // No when none is left
  std::deque<std::optional<FontChoice>> fontAnswers;
  std::deque<std::optional<QColor>> colourAnswers;
  std::optional<int> endStatus;
};

}  // namespace tavrilon::test
