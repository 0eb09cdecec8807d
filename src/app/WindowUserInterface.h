#pragma once

#include <QPointer>

#include "app/SortMessageWindow.h"
#include "session/SortDisplay.h"
#include "session/UserInterface.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace tavrilon::app {

class Desktop;

// What the runs and the state report, shown by frmMain: its status bar and
// progress bar, messages through the desktop over the window, and the sort's
// window frmSortMsg, made at the first sort.
class WindowUserInterface : public UserInterface, public SortDisplay {
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
  void ShowSortWindow(bool visible) override;
  void ShowSortProgress(std::string_view status, std::int64_t done, std::int64_t total) override;
  std::string GroupDigits(std::int64_t count) const override;

 private:
  QWidget& window_;
  QLabel& statusText_;
  QProgressBar& progressBar_;
  Desktop& desktop_;
  QPointer<SortMessageWindow> sortWindow_;  // a child of the window, which deletes it
};

}  // namespace tavrilon::app
