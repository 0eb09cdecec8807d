#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/IniDocument.h"
#include "settings/SettingsKeys.h"

namespace tavrilon::settings {

struct SettingsWriteError {
  std::filesystem::path path;
  std::string reason;  // the system's own words
};

// The settings file: every read and write goes to the file on disk, one key
// per call. The parse is kept while the file stays the same on disk, because
// a label run reads some two hundred keys per contact.
class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path path);

  const std::filesystem::path& Path() const { return path_; }
  // True for a missing file and for one without a single section (empty,
  // or blank lines only): both get the whole first-run table.
  bool HoldsNoSettings();

  // The default when the key or the file is missing; "" when the key is
  // present but empty. Text that is not UTF-8 is taken as Windows-1252.
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view defaultValue);
  std::string ReadSetting(const SettingKey& key, std::string_view defaultValue) {
    return ReadSetting(key.section, key.key, defaultValue);
  }

  // Trims blanks from key and value (not from the section) and replaces the
  // whole file at once. False when the file was not written; the first such
  // failure is kept for the caller to tell the user once.
  bool WriteSetting(std::string_view section, std::string_view key, std::string_view value);
  bool WriteSetting(const SettingKey& key, std::string_view value) {
    return WriteSetting(key.section, key.key, value);
  }

  // Changes whenever what the file holds does (on disk or by a write), so
  // that a reader that keeps what it took can tell it still holds.
  std::uint64_t Version();

  const std::optional<SettingsWriteError>& FirstWriteError() const { return firstWriteError_; }
  // The latest failure, for a dialog that must say why its Apply failed.
  const std::optional<SettingsWriteError>& LastWriteError() const { return lastWriteError_; }
  // Whoever told the user marks it, so that the user is told once.
  bool WriteErrorReported() const { return writeErrorReported_; }
  void MarkWriteErrorReported() { writeErrorReported_ = true; }

 private:
  friend class SettingsBatch;
  friend class SettingsRead;
  void BeginBatch() { ++batchDepth_; }
  bool EndBatch();
  void BeginRead() { ++readDepth_; }
  void EndRead() { checkedInRead_ = --readDepth_ > 0 && checkedInRead_; }
  // The parse as the disk has it, looked at once in a read.
  bool UpToDate(std::string& error);

  // What tells one version of the file on disk from another.
  struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileStamp& other) const;
  };
  static FileStamp StampOf(const struct stat& info);

  // Brings the parse up to date with the disk. An absent file parses as
  // empty; false, with the system's reason, when the file is there but
  // cannot be read.
  bool Refresh(std::string& error);
  bool Save(std::string& error);
  void NoteWriteError(std::string reason);

  std::filesystem::path path_;
  IniDocument document_;
  std::optional<FileStamp> stamp_;  // of the file `document_` holds; none when not from disk
  std::optional<SettingsWriteError> firstWriteError_;
  std::optional<SettingsWriteError> lastWriteError_;
  bool writeErrorReported_ = false;
  int batchDepth_ = 0;
  std::uint64_t version_ = 0;
  int readDepth_ = 0;
  bool checkedInRead_ = false;
  bool batchUnsaved_ = false;
  bool batchFailed_ = false;
};

// Writes made while a batch is open go into the parse and reach the disk
// together when the outermost batch closes: the first start writes hundreds
// of keys, and replacing the file (and waiting for the disk) once for each
// took seconds. A failure is kept as any failed write is.
class SettingsBatch {
 public:
  explicit SettingsBatch(SettingsFile& settings) : settings_(&settings) { settings.BeginBatch(); }
  ~SettingsBatch() { Close(); }
  SettingsBatch(const SettingsBatch&) = delete;
  SettingsBatch& operator=(const SettingsBatch&) = delete;

  // Closes the batch now; false when any write of it failed or it could not
  // be saved. Later calls answer the same.
  bool Close() {
    if (settings_ != nullptr) {
      saved_ = std::exchange(settings_, nullptr)->EndBatch();
    }
    return saved_;
  }

 private:
  SettingsFile* settings_;
  bool saved_ = true;
};

// Reads made while it is open look at the disk once: a design's two hundred
// keys, read afresh for every label, would otherwise ask the disk two
// hundred times.
class SettingsRead {
 public:
  explicit SettingsRead(SettingsFile& settings) : settings_(settings) { settings.BeginRead(); }
  ~SettingsRead() { settings_.EndRead(); }
  SettingsRead(const SettingsRead&) = delete;
  SettingsRead& operator=(const SettingsRead&) = delete;

 private:
  SettingsFile& settings_;
};

}  // namespace tavrilon::settings
