#pragma once

#include <chrono>
#include <cstdio>
#include <locale>
#include <optional>
#include <string>

#include "session/SortDisplay.h"
#include "session/UserInterface.h"

namespace tavrilon::batch {

// The user interface of the command line: status texts and messages go to
// standard error; nobody is there to answer, so questions get No and input
// boxes are cancelled. On a terminal the status texts share one line, which
// is rewritten with the progress in percent; elsewhere (a log file, a pipe)
// texts get lines of their own, while progress shows at most one a percent.
// Every text takes this one path, so they come out in the order given.
class ConsoleUserInterface : public UserInterface, public SortDisplay {
 public:
  explicit ConsoleUserInterface(std::FILE* err);
  ~ConsoleUserInterface() override;
  ConsoleUserInterface(const ConsoleUserInterface&) = delete;
  ConsoleUserInterface& operator=(const ConsoleUserInterface&) = delete;

  void SetStatusText(std::string_view text) override;
  void SetProgressVisible(bool visible) override;
  void SetProgressValue(int percent) override;
  void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title) override;
  void LetPendingEventsRun() override {}
  void ShowSortWindow(bool) override {}
  void ShowSortProgress(std::string_view status, std::int64_t done, std::int64_t total) override;
  std::string GroupDigits(std::int64_t count) const override;

 private:
  // A text of its own, never overwritten, after the status shown so far.
  void Line(std::string_view text);
  // Ends the terminal's status line, leaving its latest text on the screen.
  void EndStatusLine();
  void WriteLine(std::string_view text);
  // Writes the status text held back while the percent stood still.
  void WriteHeld();
  // The status as the output takes it: drawn on a terminal, else written.
  void ShowStatus();
  // Rewrites the status line; at most ten times a second unless `now`.
  void DrawStatus(bool now);

  std::FILE* err_;
  std::locale locale_;  // the user's, for digit grouping
  bool terminal_ = false;
  std::size_t columns_ = 80;
  std::string status_;
  int percent_ = 0;
  bool progressVisible_ = false;
  bool statusShown_ = false;  // the status line holds text that no line end followed yet
  bool statusStale_ = false;  // the status changed since the line was drawn
  // Not on a terminal: the latest status text not yet written, and the
  // percent when a text was last written.
  std::optional<std::string> held_;
  int writtenPercent_ = -1;
  std::chrono::steady_clock::time_point drawn_;
};

}  // namespace tavrilon::batch
