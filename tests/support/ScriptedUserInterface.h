#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "session/SortDisplay.h"
#include "session/UserInterface.h"
#include "support/NextAnswer.h"

namespace tavrilon::test {

// Records what the core shows and asks. Yes/no questions are answered from
// the script, No when it has run out; text questions from the script, cancelled when it has run
// out. Counts are grouped as in English, "10,000".
class ScriptedUserInterface : public UserInterface, public SortDisplay {
 public:
  void SetStatusText(std::string_view text) override { statusTexts.emplace_back(text); }
  void SetProgressVisible(bool visible) override { progressVisible = visible; }
  void SetProgressValue(int percent) override { progressValues.push_back(percent); }
  void ShowMessage(std::string_view text, MessageIcon) override { messages.emplace_back(text); }
  bool AskYesNo(std::string_view text) override {
    questions.emplace_back(text);
    return NextAnswer(yesNoAnswers);
  }
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title) override {
    questions.emplace_back(std::string(title) + ": " + std::string(prompt));
    return NextAnswer(textAnswers);
  }
  void LetPendingEventsRun() override { ++eventRounds; }
  void ShowSortWindow(bool visible) override { sortWindowShown.push_back(visible); }
  void ShowSortProgress(std::string_view status, std::int64_t done, std::int64_t total) override {
    sortProgress.push_back({std::string(status), done, total});
  }
  std::string GroupDigits(std::int64_t count) const override {
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
      digits.insert(at - 3, ",");
    }
    return digits;
  }

  struct SortProgress {
    std::string status;
    std::int64_t done = 0;
    std::int64_t total = 0;
  };

  std::vector<std::string> statusTexts;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> yesNoAnswers;
  std::vector<int> progressValues;
  bool progressVisible = false;
  int eventRounds = 0;
  std::vector<bool> sortWindowShown;  // each show (true) and hide (false)
  std::vector<SortProgress> sortProgress;
  std::deque<std::optional<std::string>> textAnswers;
};

}  // namespace tavrilon::test
