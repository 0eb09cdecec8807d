#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

#include "text/Text.h"

namespace tavrilon::settings {

namespace {

std::string Reason(int error) {
  return std::system_category().message(error);
}

// A symbolic link stays a link: the file it leads to is the one replaced.
std::optional<std::filesystem::path> FinalTarget(std::filesystem::path path, std::string& error) {
  constexpr int kMaxLinks = 40;  // as the kernel allows
  for (int links = 0; links < kMaxLinks; ++links) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
      return path;
    }
    std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) {
      error = ec.message();
      return std::nullopt;
    }
    path = next.is_absolute() ? std::move(next) : path.parent_path() / next;
  }
  error = Reason(ELOOP);
  return std::nullopt;
}

// A new file in the target's folder, so that renaming it over the target
// cannot cross file systems. -1 with errno set when none can be made.
int CreateFileBeside(const std::filesystem::path& target, std::string& name) {
  std::random_device random;
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string file = ".";
    file += target.filename().string();
    file += '.';
    file += std::to_string(random());
    file += ".tmp";
    name = (target.parent_path() / file).string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool ReadAll(int fd, std::string& bytes) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) {
      return true;
    }
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

bool SettingsFile::FileStamp::operator==(const FileStamp& other) const {
  return device == other.device && inode == other.inode && size == other.size &&
         modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

SettingsFile::FileStamp SettingsFile::StampOf(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

bool SettingsFile::Exists() const {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
}

bool SettingsFile::Refresh(std::string& error) {
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0) {
    const int statError = errno;
    stamp_.reset();
    document_ = IniDocument();
    if (statError == ENOENT) {
      return true;
    }
    error = Reason(statError);
    return false;
  }
  if (stamp_ && *stamp_ == StampOf(info)) {
    return true;
  }
  stamp_.reset();
  document_ = IniDocument();
  const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = Reason(errno);
    return false;
  }
  // The stamp of the very file read: a change while reading shows next time.
  std::string text;
  const bool read = ::fstat(fd, &info) == 0 && ReadAll(fd, text);
  const int readError = errno;
  ::close(fd);
  if (!read) {
    error = Reason(readError);
    return false;
  }
  document_ = IniDocument(text);
  stamp_ = StampOf(info);
  return true;
}

std::string SettingsFile::ReadSetting(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) {
  std::string error;
  std::optional<std::string> value;
  // While a batch has unsaved writes the parse is newer than the disk.
  if (batchUnsaved_ || Refresh(error)) {
    value = document_.Get(section, key);
  }
  if (!value) {
    return std::string(defaultValue);
  }
  text::DecodeLine(*value);
  return std::move(*value);
}

bool SettingsFile::WriteSetting(std::string_view section, std::string_view key,
                                std::string_view value) {
  std::string error;
  if (!batchUnsaved_ && !Refresh(error)) {
    // Writing now would lose what the file holds.
    NoteWriteError(std::move(error));
    return false;
  }
  if (!document_.Set(section, text::TrimBlanks(key), text::TrimBlanks(value))) {
    NoteWriteError("the name or the value does not fit on one line");
    return false;
  }
  if (batchDepth_ > 0) {
    batchUnsaved_ = true;
    return true;
  }
  if (!Save(error)) {
    stamp_.reset();  // the parse holds what the disk does not
    NoteWriteError(std::move(error));
    return false;
  }
  return true;
}

bool SettingsFile::EndBatch() {
  if (batchDepth_ > 0 && --batchDepth_ > 0) {
    return true;
  }
  if (!batchUnsaved_) {
    return true;
  }
  batchUnsaved_ = false;
  std::string error;
  if (!Save(error)) {
    stamp_.reset();
    NoteWriteError(std::move(error));
    return false;
  }
  return true;
}

bool SettingsFile::Save(std::string& error) {
  const std::optional<std::filesystem::path> target = FinalTarget(path_, error);
  if (!target) {
    return false;
  }
  struct stat old {};
  const bool replacing = ::stat(target->c_str(), &old) == 0;
  std::string tempName;
  const int fd = CreateFileBeside(*target, tempName);
  if (fd < 0) {
    error = Reason(errno);
    return false;
  }
  if (replacing) {
    // Fails only where one mode holds for the whole file system: nothing to keep then.
    ::fchmod(fd, old.st_mode & 07777);
  }
  struct stat written {};
  int failure = 0;
  if (!WriteAll(fd, document_.Serialize()) || ::fdatasync(fd) != 0 || ::fstat(fd, &written) != 0) {
    failure = errno;
  }
  if (::close(fd) != 0 && failure == 0) {
    failure = errno;
  }
  if (failure == 0 && ::rename(tempName.c_str(), target->c_str()) != 0) {
    failure = errno;
  }
  if (failure != 0) {
    ::unlink(tempName.c_str());
    error = Reason(failure);
    return false;
  }
  stamp_ = StampOf(written);
  return true;
}

void SettingsFile::NoteWriteError(std::string reason) {
  if (!firstWriteError_) {
    firstWriteError_ = SettingsWriteError{path_, std::move(reason)};
  }
}

}  // namespace tavrilon::settings
