#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "files/RegularFile.h"
#include "files/ReplacingFile.h"
#include "text/Text.h"

namespace tavrilon::settings {

namespace {

std::string Reason(int error) {
  return std::system_category().message(error);
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

bool SettingsFile::Refresh(std::string& error) {
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0) {
    const int statError = errno;
    stamp_.reset();
    document_ = IniDocument();
    ++version_;
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
  ++version_;
  const int fd = files::OpenRegularFileForReading(path_, error);
  if (fd < 0) {
    return false;
  }
  // The stamp of the very file read: a change while reading shows next time.
  std::string text;
  const bool read = ::fstat(fd, &info) == 0 && files::ReadAll(fd, text);
  const int readError = errno;
  ::close(fd);
  if (!read) {
    error = Reason(readError);
    return false;
  }
  document_ = IniDocument(text);
  ++version_;
  stamp_ = StampOf(info);
  return true;
}

bool SettingsFile::HoldsNoSettings() {
  std::string error;
  return Refresh(error) && document_.SectionCount() == 0;
}

std::string SettingsFile::ReadSetting(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) {
  std::string error;
  std::optional<std::string> value;
  if (UpToDate(error)) {
    value = document_.Get(section, key);
  }
  if (!value) {
    return std::string(defaultValue);
  }
  text::DecodeLine(*value);
  return std::move(*value);
}

bool SettingsFile::UpToDate(std::string& error) {
  // While a batch has unsaved writes the parse is newer than the disk.
  if (batchUnsaved_ || checkedInRead_) {
    return true;
  }
  const bool current = Refresh(error);
  checkedInRead_ = readDepth_ > 0 && current;
  return current;
}

std::uint64_t SettingsFile::Version() {
  std::string error;
  UpToDate(error);
  return version_;
}

bool SettingsFile::WriteSetting(std::string_view section, std::string_view key,
                                std::string_view value) {
  std::string error;
  if (!batchUnsaved_ && !Refresh(error)) {
    // Writing now would lose what the file holds.
    NoteWriteError(std::move(error));
    batchFailed_ = batchDepth_ > 0;
    return false;
  }
  const std::string_view trimmedKey = text::TrimBlanks(key);
  const std::string_view trimmedValue = text::TrimBlanks(value);
  if (!document_.Set(section, trimmedKey, trimmedValue)) {
    NoteWriteError(WhyNotStorable(section, trimmedKey, trimmedValue));
    batchFailed_ = batchDepth_ > 0;
    return false;
  }
  ++version_;
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
  const bool failed = std::exchange(batchFailed_, false);
  if (!batchUnsaved_) {
    return !failed;
  }
  batchUnsaved_ = false;
  std::string error;
  if (!Save(error)) {
    stamp_.reset();
    NoteWriteError(std::move(error));
    return false;
  }
  return !failed;
}

bool SettingsFile::Save(std::string& error) {
  // The configuration folder is made at the first write, so that a folder
  // that cannot be made is reported with its own reason.
  if (const auto folder = path_.parent_path(); !folder.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
      std::filesystem::create_directories(folder, ec);
      if (ec) {
        error = "the folder " + folder.string() + " cannot be made: " + ec.message();
        return false;
      }
    }
  }
  // The program's start removes this folder's leftovers once; a scan per click would not pay.
  files::ReplacingFile file(path_, files::ReplacingFile::Links::Follow,
                            files::ReplacingFile::Leftovers::Leave);
  if (!file.Open()) {
    error = file.Failure();
    return false;
  }
  file.Write(document_.Serialize());
  const std::optional<struct stat> written = file.Commit(true);
  if (!written) {
    error = file.Failure();
    return false;
  }
  stamp_ = StampOf(*written);
  return true;
}

void SettingsFile::NoteWriteError(std::string reason) {
  lastWriteError_ = SettingsWriteError{path_, std::move(reason)};
  if (!firstWriteError_) {
    firstWriteError_ = lastWriteError_;
  }
}

}  // namespace tavrilon::settings
