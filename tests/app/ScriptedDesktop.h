#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "app/Desktop.h"

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
    return false;
  }
  std::optional<QString> AskText(QWidget*, const QString& prompt, const QString& title) override {
    questions << title + ": " + prompt;
    return Next(textAnswers);
  }
  std::optional<QString> ChooseOpenFile(QWidget*, const QString& title, const QString&,
                                        const QString& filter) override {
    fileDialogs << title + " | " + filter;
    return Next(fileAnswers);
  }
  std::optional<QString> ChooseSaveFile(QWidget*, const QString& title, const QString& suggested,
                                        const QString&) override {
    fileDialogs << title + " | " + suggested;
    return Next(fileAnswers);
  }
  bool OpenDocument(const QString& path) override {
    openedDocuments << path;
    return documentsOpen;
  }
  bool StartProgram(const QString& path) override {
    startedPrograms << path;
    return true;
  }
  void EndProgram(int status) override { endStatus = status; }

  QStringList messages;
  QList<MessageIcon> icons;
  QStringList questions;
  QStringList fileDialogs;
  QStringList openedDocuments;
  QStringList startedPrograms;
  std::deque<std::optional<QString>> textAnswers;
  std::deque<std::optional<QString>> fileAnswers;
  bool documentsOpen = true;
  std::optional<int> endStatus;

 private:
  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
    if (answers.empty()) {
      return std::nullopt;
    }
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace tavrilon::test
