#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "callbook/CallbookFolder.h"
#include "callbook/IndexContent.h"

namespace tavrilon::callbook {

// The stations of a callbook by call: the keys in memory, and the records
// either in memory (an index that could not be written) or in the index
// file, read one at a time.
class CallbookIndex {
 public:
  CallbookIndex(std::vector<SourceFile> sources, IndexContent content);
  ~CallbookIndex();
  CallbookIndex(const CallbookIndex&) = delete;
  CallbookIndex& operator=(const CallbookIndex&) = delete;

  // The index file at `path` when it is sound and was built from exactly
  // `sources`; nothing when it is missing, damaged, foreign or out of date.
  static std::unique_ptr<CallbookIndex> OpenFile(const std::filesystem::path& path,
                                                 const std::vector<SourceFile>& sources);

  const std::vector<SourceFile>& Sources() const { return sources_; }
  // False when the index file was written to since it was opened (a change
  // in place, which its checksum was not checked against).
  bool Unchanged() const;
  // The record of `call`, written as the index keeps calls (trimmed, in
  // capitals); false when it is not there or cannot be read.
  bool Find(std::string_view call, std::string& record) const;

 private:
  CallbookIndex(std::vector<SourceFile> sources, CallKeys keys, int fd, std::uint64_t recordsAt,
                std::int64_t changedNs);

  std::vector<SourceFile> sources_;
  CallKeys keys_;
  std::string records_;
  int fd_ = -1;
  std::uint64_t recordsAt_ = 0;
  std::int64_t changedNs_ = 0;  // the file's status change time when it was opened
};

}  // namespace tavrilon::callbook
