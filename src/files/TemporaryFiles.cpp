#include "files/TemporaryFiles.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <system_error>

namespace tavrilon::files {

namespace {

constexpr std::string_view kPrefix = ".tavrilon-";
constexpr std::string_view kSuffix = ".tmp";

// A signal handler can reach nothing but static storage: this table is the
// one piece of process-wide state, and it holds only names of files to
// remove. A process has a settings file and one document open at a time, so
// a few slots are plenty; a file that finds no slot is still removed by the
// next start.
struct Slot {
  std::atomic<bool> used{false};
  std::atomic<bool> ready{false};
  char path[PATH_MAX] = {};
};
std::array<Slot, 8> slots;

void RemoveAndRaise(int signal) {
  for (Slot& slot : slots) {
    if (slot.ready.load()) {
      ::unlink(slot.path);
    }
  }
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in a temporary file's name; 0 when the name is not one.
pid_t ProcessOf(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
    return 0;
  }
  name.remove_prefix(kPrefix.size());
  name.remove_suffix(kSuffix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !AllDigits(name.substr(0, dash)) ||
      !AllDigits(name.substr(dash + 1)) || dash > 9) {
    return 0;
  }
  return static_cast<pid_t>(std::stol(std::string(name.substr(0, dash))));
}

}  // namespace

std::string TemporaryFileName(unsigned long long unique) {
  std::string name(kPrefix);
  name.append(std::to_string(::getpid())).append(1, '-').append(std::to_string(unique));
  name.append(kSuffix);
  return name;
}

void RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end;
       !ec && it != end; it.increment(ec)) {
    const pid_t process = ProcessOf(it->path().filename().string());
    if (process > 0 && process != ::getpid() && ::kill(process, 0) != 0 && errno == ESRCH) {
      std::error_code ignored;  // another start may have taken it first
      std::filesystem::remove(it->path(), ignored);
    }
  }
}

void RemoveTemporaryFilesOnSignal() {
  struct sigaction action {};
  action.sa_handler = RemoveAndRaise;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM}) {
    ::sigaction(signal, &action, nullptr);
  }
}

TemporaryFileGuard::TemporaryFileGuard(const std::string& path) {
  if (path.size() >= PATH_MAX) {
    return;
  }
  for (std::size_t i = 0; i < slots.size(); ++i) {
    bool expected = false;
    if (slots[i].used.compare_exchange_strong(expected, true)) {
      std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
      slots[i].ready.store(true);
      slot_ = static_cast<int>(i);
      return;
    }
  }
}

TemporaryFileGuard::~TemporaryFileGuard() {
  if (slot_ >= 0) {
    Slot& slot = slots[static_cast<std::size_t>(slot_)];
    slot.ready.store(false);
    slot.used.store(false);
  }
}

}  // namespace tavrilon::files
