#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "session/UserInterface.h"

namespace tavrilon::test {

// Records what the core shows and asks. Yes/no questions are answered No;
// text questions from the script, cancelled when it has run out.
class ScriptedUserInterface : public UserInterface {
 public:
  void SetStatusText(std::string_view text) override { statusTexts.emplace_back(text); }
  void SetProgressVisible(bool visible) override { progressVisible = visible; }
  void SetProgressValue(int percent) override { progressValues.push_back(percent); }
  void ShowMessage(std::string_view text, MessageIcon) override { messages.emplace_back(text); }
  bool AskYesNo(std::string_view text) override {
    questions.emplace_back(text);
    return false;
  }
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title) override {
    questions.emplace_back(std::string(title) + ": " + std::string(prompt));
    if (textAnswers.empty()) {
      return std::nullopt;
    }
    auto answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
  }
  void LetPendingEventsRun() override {}

  std::vector<std::string> statusTexts;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<int> progressValues;
  bool progressVisible = false;
  std::deque<std::optional<std::string>> textAnswers;
};

}  // namespace tavrilon::test
