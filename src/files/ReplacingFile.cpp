#include "files/ReplacingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace tavrilon::files {

namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 16;

std::string Reason(int error) {
  return std::system_category().message(error);
}

// The file a path leads to through its symbolic links; the reason when the
// links cannot be followed.
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

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target) {
  target_ = FinalTarget(std::move(target), failure_);
}

ReplacingFile::~ReplacingFile() {
  Discard();
}

bool ReplacingFile::Open() {
  if (target_.empty()) {
    return false;  // the links could not be followed: Failure() says why
  }
  std::random_device random;
  constexpr int kAttempts = 100;
  int error = 0;
  for (int attempt = 0; attempt < kAttempts && fd_ < 0; ++attempt) {
    // In the target's folder, so the rename cannot cross file systems; not
    // named after the target, so a name of the longest length still fits.
    std::string name = ".tavrilon-";
    name.append(std::to_string(random())).append(".tmp");
    tempName_ = (target_.parent_path() / name).string();
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
  if (struct stat old{}; ::stat(target_.c_str(), &old) == 0) {
    // Fails only where one mode holds for the whole file system: nothing to keep then.
    ::fchmod(fd_, old.st_mode & 07777);
  }
  buffer_.reserve(kFlushAt * 2);
  return true;
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
  std::string_view rest = buffer_;
  while (!rest.empty()) {
    const ssize_t written = ::write(fd_, rest.data(), rest.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      Fail(Reason(errno));
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  buffer_.clear();
  return true;
}

std::optional<struct stat> ReplacingFile::Commit(bool sync) {
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
  buffer_.clear();
}

}  // namespace tavrilon::files
