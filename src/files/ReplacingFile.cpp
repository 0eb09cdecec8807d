#include "files/ReplacingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

#include "files/WriteAll.h"

namespace tavrilon::files {

namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 16;

std::string Reason(int error) {
  return std::system_category().message(error);
}

}  // namespace

std::filesystem::path FinalTarget(std::filesystem::path path, std::string& error) {
  constexpr int kMaxLinks = 40;  // as the kernel allows
  for (int links = 0; links < kMaxLinks; ++links) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
      return path;
    }
    std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) {
      error = ec.message();
      return {};
    }
    path = next.is_absolute() ? std::move(next) : path.parent_path() / next;
  }
  error = Reason(ELOOP);
  return {};
}

ReplacingFile::ReplacingFile(std::filesystem::path target, Links links, Leftovers leftovers)
    : leftovers_(leftovers) {
  target_ = links == Links::Follow ? FinalTarget(std::move(target), failure_) : std::move(target);
}

ReplacingFile::~ReplacingFile() {
  Discard();
}

bool ReplacingFile::Open() {
  if (target_.empty()) {
    return false;  // the links could not be followed: Failure() says why
  }
  struct stat old {};
  // A link still here is one to be replaced: Follow has resolved the others.
  const bool replacing = ::lstat(target_.c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
  if (replacing && !S_ISREG(old.st_mode)) {
    // A rename would put a text file where a device, a FIFO or a folder was.
    Fail(S_ISDIR(old.st_mode) ? "it is a folder" : "it is not a regular file");
    return false;
  }
  if (replacing && (old.st_mode & 0222) == 0) {
    Fail("the file is read-only");
    return false;
  }
  if (leftovers_ == Leftovers::Remove) {
    // A killed run's file can be as big as the log; nothing else would remove it.
    RemoveLeftoverTemporaryFiles(target_.parent_path());
  }
  std::random_device random;
  constexpr int kAttempts = 100;
  int error = 0;
  for (int attempt = 0; attempt < kAttempts && fd_ < 0; ++attempt) {
    // In the target's folder, so the rename cannot cross file systems; not
    // named after the target, so a name of the longest length still fits.
    tempName_ = (target_.parent_path() / TemporaryFileName(random())).string();
    fd_ = ::open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    error = errno;
    if (fd_ < 0 && error != EEXIST) {
      break;
    }
  }
  if (fd_ < 0) {
    tempName_.clear();
    Fail(Reason(error));
    return false;
  }
  guard_.emplace(tempName_);
  if (replacing) {
    // Fails only where one mode holds for the whole file system: nothing to keep then.
    ::fchmod(fd_, old.st_mode & 07777);
  }
  buffer_.reserve(kFlushAt * 2);
  return true;
}

std::filesystem::path ReplacingFile::HandOver() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  handedOver_ = !tempName_.empty();
  return tempName_;
}

void ReplacingFile::Write(std::string_view bytes) {
  if (fd_ < 0) {
    return;
  }
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushAt) {
    Flush();
  }
}

bool ReplacingFile::Flush() {
  if (const int error = WriteAll(fd_, buffer_); error != 0) {
    Fail(Reason(error));
    return false;
  }
  buffer_.clear();
  return true;
}

std::optional<struct stat> ReplacingFile::Commit(bool sync) {
  if (handedOver_ && !tempName_.empty()) {
    // The other writer has closed it; open it again to wait for the disk.
    fd_ = ::open(tempName_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0) {
      Fail(Reason(errno));
      return std::nullopt;
    }
  }
  if (fd_ < 0 || !Flush()) {
    return std::nullopt;
  }
  struct stat written {};
  if ((sync && ::fdatasync(fd_) != 0) || ::fstat(fd_, &written) != 0) {
    Fail(Reason(errno));
    return std::nullopt;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 || ::rename(tempName_.c_str(), target_.c_str()) != 0) {
    Fail(Reason(errno));
    return std::nullopt;
  }
  tempName_.clear();
  guard_.reset();
  return written;
}

void ReplacingFile::Fail(std::string reason) {
  if (failure_.empty()) {
    failure_ = std::move(reason);
  }
  Discard();
}

void ReplacingFile::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!tempName_.empty()) {
    ::unlink(tempName_.c_str());
    tempName_.clear();
  }
  guard_.reset();
  buffer_.clear();
}

}  // namespace tavrilon::files
