#include "callbook/CallbookIndex.h"

#include <unistd.h>

#include <optional>

#include "callbook/IndexFile.h"
#include "files/RegularFile.h"

namespace tavrilon::callbook {

CallbookIndex::CallbookIndex(std::vector<SourceFile> sources, IndexContent content)
    : sources_(std::move(sources)),
      keys_(std::move(content.keys)),
      records_(std::move(content.records)) {}

CallbookIndex::CallbookIndex(std::vector<SourceFile> sources, CallKeys keys, int fd,
                             std::uint64_t recordsAt)
    : sources_(std::move(sources)), keys_(std::move(keys)), fd_(fd), recordsAt_(recordsAt) {}

CallbookIndex::~CallbookIndex() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

std::unique_ptr<CallbookIndex> CallbookIndex::OpenFile(const std::filesystem::path& path,
                                                       const std::vector<SourceFile>& sources) {
  std::string reason;
  const int fd = files::OpenRegularFileForReading(path, reason);
  if (fd < 0) {
    return nullptr;
  }
  std::optional<IndexFileKeys> index = ReadIndexFileKeys(fd, sources);
  if (!index) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<CallbookIndex>(
      new CallbookIndex(sources, std::move(index->keys), fd, index->recordsAt));
}

bool CallbookIndex::Find(std::string_view call, std::string& record) const {
  const std::size_t i = keys_.Find(call);
  if (i == keys_.Count()) {
    return false;
  }
  const std::uint32_t start = keys_.RecordStart(i);
  const std::size_t size = keys_.recordEnds[i] - start;
  if (fd_ < 0) {
    record.assign(records_, start, size);
    return true;
  }
  record.resize(size);
  return ReadExactly(fd_, record.data(), size, recordsAt_ + start);
}

}  // namespace tavrilon::callbook
