#pragma once

#include <cstdio>
#include <locale>

#include "session/UserInterface.h"

namespace tavrilon::batch {

// The user interface of the command line: status texts and messages go to
// standard error, one per line; nobody is there to answer, so questions get
// No and input boxes are cancelled.
class ConsoleUserInterface : public UserInterface {
 public:
  explicit ConsoleUserInterface(std::FILE* err);
  void SetStatusText(std::string_view text) override;
  void SetProgressVisible(bool) override {}
  void SetProgressValue(int) override {}
  void ShowMessage(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title) override;
  void LetPendingEventsRun() override {}
  void ShowSortWindow(bool) override {}
  void ShowSortProgress(std::string_view status, std::int64_t, std::int64_t) override;
  std::string GroupDigits(std::int64_t count) const override;

 private:
  std::FILE* err_;
  std::locale locale_;  // the user's, for digit grouping
};

}  // namespace tavrilon::batch
