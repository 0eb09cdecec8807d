#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/TemporaryFiles.h"

namespace tavrilon::files {

// A file written beside its place under a name of its own and renamed over
// it only when whole, so that a crash or a full disk never leaves half a
// file. The replaced file's permissions are kept. Only a regular file is
// replaced, and never one without write permission. What is never committed
// is removed, also when SIGINT or SIGTERM ends the process (see
// RemoveTemporaryFilesOnSignal), and Open first removes those that processes
// gone left in the folder it writes into.
class ReplacingFile {
 public:
  // What happens to a symbolic link at the target's place.
  enum class Links {
    // The link stays and the file it leads to is replaced: the user's own
    // files (settings, pages, documents), which a user may keep elsewhere.
    Follow,
    // The link itself is replaced by the file: the program's caches and
    // copies, which must never write through a link into another file.
    Replace,
  };
  // Whether Open first removes the leftovers of processes gone in its folder.
  enum class Leftovers {
    Remove,
    // For a file written on every click: its owner removes them once.
    Leave,
  };
  explicit ReplacingFile(std::filesystem::path target, Links links = Links::Follow,
                         Leftovers leftovers = Leftovers::Remove);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False, with Failure() saying why, when no file can be made.
  bool Open();
  // For a writer that opens the file by its name: the temporary file, which
  // this object no longer writes; Commit still moves it into place.
  std::filesystem::path HandOver();
  // Buffered; after a failure it does nothing, and Commit reports the failure.
  void Write(std::string_view bytes);
  // Moves the finished file into place, first waiting for the disk when
  // `sync`. Answers the file's status as written, or nothing, with Failure()
  // saying why, when it is not in place.
  std::optional<struct stat> Commit(bool sync);
  const std::string& Failure() const { return failure_; }

 private:
  bool Flush();
  void Fail(std::string reason);
  void Discard();

  std::filesystem::path target_;
  Leftovers leftovers_;
  std::string tempName_;
  std::optional<TemporaryFileGuard> guard_;
  int fd_ = -1;
  bool handedOver_ = false;
  std::string buffer_;
  std::string failure_;
};

// The file that a write to `path` through its symbolic links replaces
// (`path` itself when it is no link); empty, with `error` saying why, when the
// links cannot be followed.
std::filesystem::path FinalTarget(std::filesystem::path path, std::string& error);

}  // namespace tavrilon::files
