#include "app/WindowUserInterface.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "app/Desktop.h"
#include "app/QtText.h"

namespace tavrilon::app {

WindowUserInterface::WindowUserInterface(QWidget& window, QLabel& statusText,
                                         QProgressBar& progressBar, Desktop& desktop)
    : window_(window), statusText_(statusText), progressBar_(progressBar), desktop_(desktop) {}

void WindowUserInterface::SetStatusText(std::string_view text) {
  statusText_.setText(ToQString(text));
}

void WindowUserInterface::SetProgressVisible(bool visible) {
  progressBar_.setVisible(visible);
}

void WindowUserInterface::SetProgressValue(int percent) {
  progressBar_.setValue(percent);
}

void WindowUserInterface::ShowMessage(std::string_view text, MessageIcon icon) {
  desktop_.ShowMessage(&window_, ToQString(text), icon);
}

bool WindowUserInterface::AskYesNo(std::string_view text) {
  return desktop_.AskYesNo(&window_, ToQString(text));
}

std::optional<std::string> WindowUserInterface::AskText(std::string_view prompt,
                                                        std::string_view title) {
  const auto answer = desktop_.AskText(&window_, ToQString(prompt), ToQString(title));
  return answer ? std::optional(ToUtf8(*answer)) : std::nullopt;
}

void WindowUserInterface::LetPendingEventsRun() {
  QCoreApplication::processEvents();
}

}  // namespace tavrilon::app
