#pragma once

#include "session/UserInterface.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace tavrilon::app {

class Desktop;

// What the runs and the state report, shown by frmMain: its status bar and
// progress bar, and messages through the desktop over the window.
class WindowUserInterface : public UserInterface {
 public:
  WindowUserInterface(QWidget& window, QLabel& statusText, QProgressBar& progressBar,
                      Desktop& desktop);

  void SetStatusText(std::string_view text) override;
  void SetProgressVisible(bool visible) override;
  void SetProgressValue(int percent) override;
  void ShowMessage(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title) override;
  void LetPendingEventsRun() override;

 private:
  QWidget& window_;
  QLabel& statusText_;
  QProgressBar& progressBar_;
  Desktop& desktop_;
};

}  // namespace tavrilon::app
