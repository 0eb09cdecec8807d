#include "app/WindowUserInterface.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>

#include "app/Desktop.h"
#include "app/QtText.h"

namespace tavrilon::app {

namespace {

// `done` of `total` on a bar that runs from 0 to `range`.
int Scaled(std::int64_t done, std::int64_t total, int range) {
  if (total <= 0 || done >= total) {
    return range;
  }
  if (done <= 0) {
    return 0;
  }
  if (total <= std::numeric_limits<int>::max()) {
    return static_cast<int>(done * range / total);  // both below 2^31: no overflow
  }
  return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * range);
}

}  // namespace

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
  // The windows redraw, but a click cannot start a second run inside this one.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowUserInterface::ShowSortWindow(bool visible) {
  if (!visible) {
    if (sortWindow_ != nullptr) {
      sortWindow_->hide();
    }
    return;
  }
  if (sortWindow_ == nullptr) {
    sortWindow_ = new SortMessageWindow(&window_);
  }
  sortWindow_->show();
  sortWindow_->raise();
}

void WindowUserInterface::ShowSortProgress(std::string_view status, std::int64_t done,
                                           std::int64_t total) {
  SetStatusText(status);
  SetProgressValue(Scaled(done, total, 100));
  if (sortWindow_ != nullptr) {
    const int range =
        static_cast<int>(std::clamp<std::int64_t>(total, 1, std::numeric_limits<int>::max()));
    sortWindow_->ShowProgress(ToQString(status), Scaled(done, total, range), range);
  }
}

std::string WindowUserInterface::GroupDigits(std::int64_t count) const {
  return ToUtf8(QLocale().toString(static_cast<qlonglong>(count)));
}

}  // namespace tavrilon::app
