#include "callbook/CallbookIndex.h"

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "callbook/IndexFile.h"
#include "files/RegularFile.h"

namespace tavrilon::callbook {

namespace {

// Every write to a file moves this time, and nothing can set it back.
std::int64_t ChangedNs(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return -1;
  }
  constexpr std::int64_t kNsPerSecond = 1'000'000'000;
  return info.st_ctim.tv_sec * kNsPerSecond + info.st_ctim.tv_nsec;
}

}  // namespace

CallbookIndex::CallbookIndex(std::vector<SourceFile> sources, IndexContent content)
    : sources_(std::move(sources)),
      keys_(std::move(content.keys)),
      records_(std::move(content.records)) {}

CallbookIndex::CallbookIndex(std::vector<SourceFile> sources, CallKeys keys, int fd,
                             std::uint64_t recordsAt, std::int64_t changedNs)
    : sources_(std::move(sources)),
      keys_(std::move(keys)),
      fd_(fd),
      recordsAt_(recordsAt),
      changedNs_(changedNs) {}

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
  // Taken before the file is checked, so that a write during the check shows.
  const std::int64_t changedNs = ChangedNs(fd);
  std::optional<IndexFileKeys> index = ReadIndexFileKeys(fd, sources);
  if (!index) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<CallbookIndex>(
      new CallbookIndex(sources, std::move(index->keys), fd, index->recordsAt, changedNs));
}

bool CallbookIndex::Unchanged() const {
  return fd_ < 0 || ChangedNs(fd_) == changedNs_;
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
