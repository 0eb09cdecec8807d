#pragma once

#include <filesystem>
#include <string>

namespace tavrilon::files {

// Temporary files carry the process id in their name, ".tavrilon-PID-N.tmp",
// so that a later start can tell the leftovers of a killed process from the
// files of one still running.
std::string TemporaryFileName(unsigned long long unique);

// Removes the temporary files in `folder` whose process no longer runs.
void RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder);

// From now on SIGINT and SIGTERM remove the registered temporary files
// before the process ends as the signal would end it.
void RemoveTemporaryFilesOnSignal();

// A temporary file that a signal must not leave behind, registered for as
// long as the object lives. The path is copied where a signal handler can
// read it without taking a lock or memory.
class TemporaryFileGuard {
 public:
  explicit TemporaryFileGuard(const std::string& path);
  ~TemporaryFileGuard();
  TemporaryFileGuard(const TemporaryFileGuard&) = delete;
  TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;

 private:
  int slot_ = -1;
};

}  // namespace tavrilon::files
