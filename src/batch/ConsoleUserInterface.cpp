#include "batch/ConsoleUserInterface.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "text/Text.h"

namespace tavrilon::batch {

namespace {

// A LANG naming a locale the system lacks must not stop the program.
std::locale UsersLocale() {
  try {
    return std::locale("");
  } catch (const std::runtime_error&) {
    return std::locale::classic();
  }
}

constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
constexpr const char* kClearToEnd = "\x1b[K";

}  // namespace

ConsoleUserInterface::ConsoleUserInterface(std::FILE* err)
    : err_(err), locale_(UsersLocale()), terminal_(::isatty(::fileno(err)) == 1) {
  winsize size{};
  if (terminal_ && ::ioctl(::fileno(err), TIOCGWINSZ, &size) == 0 && size.ws_col > 1) {
    columns_ = size.ws_col;
  }
}

ConsoleUserInterface::~ConsoleUserInterface() {
  EndStatusLine();
  WriteHeld();
}

void ConsoleUserInterface::EndStatusLine() {
  if (statusShown_) {
    // The status as it stands stays above what follows.
    if (statusStale_) {
      DrawStatus(true);
    }
    std::fputc('\n', err_);
    statusShown_ = false;
  }
}

void ConsoleUserInterface::WriteLine(std::string_view text) {
  std::fprintf(err_, "%.*s\n", static_cast<int>(text.size()), text.data());
}

void ConsoleUserInterface::WriteHeld() {
  if (held_) {
    WriteLine(*held_);
    held_.reset();
    writtenPercent_ = percent_;
  }
}

void ConsoleUserInterface::Line(std::string_view text) {
  EndStatusLine();
  WriteHeld();
  WriteLine(text);
}

void ConsoleUserInterface::DrawStatus(bool now) {
  statusStale_ = true;
  const auto time = std::chrono::steady_clock::now();
  if (!now && statusShown_ && time - drawn_ < kRedrawEvery) {
    return;
  }
  std::string line = status_;
  if (progressVisible_) {
    line += "  " + std::to_string(percent_) + "%";
  }
  // A line longer than the terminal would wrap, and "\r" go back to its
  // second half only.
  const std::string_view shown = text::FirstChars(line, columns_ - 1);
  std::fprintf(err_, "\r%.*s%s", static_cast<int>(shown.size()), shown.data(), kClearToEnd);
  std::fflush(err_);
  drawn_ = time;
  statusShown_ = true;
  statusStale_ = false;
}

void ConsoleUserInterface::ShowStatus() {
  if (terminal_) {
    DrawStatus(false);
  } else if (!progressVisible_) {
    WriteHeld();
    WriteLine(status_);
  } else {
    // A text for every label of a large log would only bury the messages.
    held_ = status_;
    if (percent_ != writtenPercent_) {
      WriteHeld();
    }
  }
}

void ConsoleUserInterface::SetStatusText(std::string_view text) {
  status_ = text;
  ShowStatus();
}

void ConsoleUserInterface::SetProgressVisible(bool visible) {
  progressVisible_ = visible;
  if (visible) {
    writtenPercent_ = -1;  // the first text of a run's stage is always written
  } else {
    WriteHeld();
  }
}

void ConsoleUserInterface::SetProgressValue(int percent) {
  percent_ = percent;
  if (!terminal_) {
    if (percent_ != writtenPercent_) {
      WriteHeld();
    }
  } else if (progressVisible_) {
    DrawStatus(false);
  }
}

void ConsoleUserInterface::ShowMessage(std::string_view text, MessageIcon) {
  Line(text);
}

void ConsoleUserInterface::ShowSortProgress(std::string_view status, std::int64_t done,
                                            std::int64_t total) {
  status_ = status;
  progressVisible_ = total > 0;
  percent_ = total > 0 ? static_cast<int>(done * 100 / total) : 0;
  ShowStatus();
}

std::string ConsoleUserInterface::GroupDigits(std::int64_t count) const {
  std::ostringstream text;
  text.imbue(locale_);
  text << count;
  std::string grouped = text.str();
  // A separator of one char that is no ASCII is a piece of a multibyte one.
  const bool ascii = std::all_of(grouped.begin(), grouped.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? grouped : std::to_string(count);
}

bool ConsoleUserInterface::AskYesNo(std::string_view text) {
  Line(text);
  return false;
}

std::optional<std::string> ConsoleUserInterface::AskText(std::string_view prompt,
                                                         std::string_view) {
  Line(prompt);
  return std::nullopt;
}

}  // namespace tavrilon::batch
