#pragma once

#include <deque>
#include <optional>

#include <QString>
#include <QStringList>

#include "app/Desktop.h"

namespace tavrilon::test {

// Answers the windows' dialogs from a script and records what they showed.
class ScriptedDesktop : public app::Desktop {
 public:
  void ShowMessage(QWidget*, const QString& text, MessageIcon icon) override {
    messages << text;
    icons << icon;
  }
  bool AskYesNo(QWidget*, const QString&) override { return false; }
  std::optional<QString> AskText(QWidget*, const QString&, const QString&) override {
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
    return true;
  }
  bool StartProgram(const QString&) override { return true; }
  void EndProgram(int status) override { endStatus = status; }

  QStringList messages;
  QList<MessageIcon> icons;
  QStringList fileDialogs;
  QStringList openedDocuments;
  std::deque<std::optional<QString>> textAnswers;
  std::deque<std::optional<QString>> fileAnswers;
  std::optional<int> endStatus;

 private:
  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
    std::optional<QString> answer;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    return answer;
  }
};

}  // namespace tavrilon::test
