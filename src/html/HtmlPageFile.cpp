#include "html/HtmlPageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace tavrilon::html {

namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 16;

// A page reached through a symbolic link stays a link: the file it leads to
// is the one replaced.
std::filesystem::path FinalTarget(const std::filesystem::path& target) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) {
    return target;
  }
  std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
  return ec ? target : resolved;
}

}  // namespace

HtmlPageFile::HtmlPageFile(std::filesystem::path target) : target_(FinalTarget(target)) {}

HtmlPageFile::~HtmlPageFile() {
  Discard();
}

bool HtmlPageFile::Open() {
  std::random_device random;
  constexpr int kAttempts = 100;
  int error = 0;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    // Not named after the page, so that a page name of the longest length
    // the file system allows still leaves room for it.
    std::string name = ".tavrilon-html-";
    name.append(std::to_string(random())).append(".tmp");
    tempName_ = (target_.parent_path() / name).string();
    fd_ = ::open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    error = errno;
    if (fd_ >= 0 || error != EEXIST) {
      break;
    }
  }
  if (fd_ < 0) {
    tempName_.clear();
    Fail(error);
    return false;
  }
  // A page written over keeps who may read it.
  if (struct stat old{}; ::stat(target_.c_str(), &old) == 0) {
    ::fchmod(fd_, old.st_mode & 07777);
  }
  buffer_.reserve(kFlushAt * 2);
  return true;
}

void HtmlPageFile::Write(std::string_view bytes) {
  if (fd_ < 0) {
    return;
  }
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushAt) {
    Flush();
  }
}

bool HtmlPageFile::Flush() {
  std::string_view rest = buffer_;
  while (!rest.empty()) {
    const ssize_t written = ::write(fd_, rest.data(), rest.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      Fail(errno);
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  buffer_.clear();
  return true;
}

bool HtmlPageFile::Commit() {
  if (fd_ < 0) {
    return false;
  }
  // No wait for the disk: the rename already keeps a half-written page out
  // of place, the page can always be made again from the log, and waiting
  // took a tenth of a large export's time.
  if (!Flush()) {
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    Fail(errno);
    return false;
  }
  if (::rename(tempName_.c_str(), target_.c_str()) != 0) {
    Fail(errno);
    return false;
  }
  tempName_.clear();
  return true;
}

void HtmlPageFile::Fail(int error) {
  if (failure_.empty()) {
    failure_ = std::system_category().message(error);
  }
  Discard();
}

void HtmlPageFile::Discard() {
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

}  // namespace tavrilon::html
