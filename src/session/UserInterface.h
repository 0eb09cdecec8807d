#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrilon {

enum class MessageIcon { None, Critical };

// How the core talks to the person using the program: the status bar, the
// progress bar, message boxes, questions and input boxes. The desktop
// program shows them; tests answer them from a script.
class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual void SetStatusText(std::string_view text) = 0;
  virtual void SetProgressVisible(bool visible) = 0;
  virtual void SetProgressValue(int percent) = 0;

  // A message box with an OK button, titled "Tavrilon".
  virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;
  // An input box; nothing when the person cancels.
  virtual std::optional<std::string> AskText(std::string_view prompt, std::string_view title) = 0;

  // Lets the windows redraw during a long run.
  virtual void LetPendingEventsRun() = 0;
};

}  // namespace tavrilon
