#include "callbook/IndexFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "files/ReplacingFile.h"

namespace tavrilon::callbook {

namespace {

constexpr std::array<char, 8> kMagic = {'T', 'V', 'C', 'A', 'L', 'L', 'B', 'K'};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kByteOrder = 0x01020304;

struct Header {
  std::array<char, 8> magic = kMagic;
  std::uint32_t version = kVersion;
  std::uint32_t byteOrder = kByteOrder;
  std::uint64_t stationCount = 0;
  std::uint64_t callBytes = 0;
  std::uint64_t recordBytes = 0;
  std::uint64_t sourceBytes = 0;
};
static_assert(sizeof(Header) == 48, "the header is written as it lies in memory");

template <typename T>
std::string_view Bytes(const T& value) {
  return {reinterpret_cast<const char*>(&value), sizeof value};
}

template <typename T>
std::string_view Bytes(const std::vector<T>& values) {
  return {reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T)};
}

// The data files as the index names them, compared as they are written.
std::string SourceBytes(const std::vector<SourceFile>& sources) {
  std::string bytes;
  for (const SourceFile& source : sources) {
    const std::uint64_t nameSize = source.name.size();
    bytes.append(Bytes(nameSize)).append(source.name);
    bytes.append(Bytes(source.size)).append(Bytes(source.modifiedNs));
  }
  return bytes;
}

template <typename T>
bool ReadVector(int fd, std::vector<T>& values, std::size_t count, std::uint64_t& at) {
  values.resize(count);
  const std::size_t size = count * sizeof(T);
  const bool read = ReadExactly(fd, reinterpret_cast<char*>(values.data()), size, at);
  at += size;
  return read;
}

// Each end at least `least` past the one before, the last at `total`.
bool SoundEnds(const std::vector<std::uint32_t>& ends, std::uint64_t total, std::uint64_t least) {
  std::uint64_t before = 0;
  for (const std::uint64_t end : ends) {
    if (end < before + least || end > total) {
      return false;
    }
    before = end;
  }
  return before == total;
}

}  // namespace

bool WriteIndexFile(const std::filesystem::path& path, const std::vector<SourceFile>& sources,
                    const IndexContent& content, std::string& reason) {
  const std::string sourceBytes = SourceBytes(sources);
  Header header;
  header.stationCount = content.keys.Count();
  header.callBytes = content.keys.calls.size();
  header.recordBytes = content.records.size();
  header.sourceBytes = sourceBytes.size();
  // A link in the index's place is replaced, never written through.
  files::ReplacingFile file(path, files::ReplacingFile::Links::Replace);
  if (!file.Open()) {
    reason = file.Failure();
    return false;
  }
  for (const std::string_view part :
       {Bytes(header), std::string_view(sourceBytes), Bytes(content.keys.callEnds),
        Bytes(content.keys.recordEnds), std::string_view(content.keys.calls),
        std::string_view(content.records)}) {
    // In pieces, so that the file's buffer stays small.
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    for (std::size_t at = 0; at < part.size(); at += kPiece) {
      file.Write(part.substr(at, kPiece));
    }
  }
  // No wait for the disk: an index cut short by a crash is found unsound and made again.
  if (!file.Commit(false)) {
    reason = file.Failure();
    return false;
  }
  return true;
}

std::optional<IndexFileKeys> ReadIndexFileKeys(int fd, const std::vector<SourceFile>& sources) {
  struct stat info {};
  Header header;
  if (::fstat(fd, &info) != 0 ||
      !ReadExactly(fd, reinterpret_cast<char*>(&header), sizeof header, 0) ||
      header.magic != kMagic || header.version != kVersion || header.byteOrder != kByteOrder) {
    return std::nullopt;
  }
  // Every part must fit in what is left of the file, and fill it exactly.
  std::uint64_t left = static_cast<std::uint64_t>(info.st_size) - sizeof header;
  for (const auto& [count, size] :
       {std::pair{header.sourceBytes, 1}, std::pair{header.stationCount, 8},
        std::pair{header.callBytes, 1}, std::pair{header.recordBytes, 1}}) {
    if (count > left / static_cast<std::uint64_t>(size)) {
      return std::nullopt;
    }
    left -= count * static_cast<std::uint64_t>(size);
  }
  if (left != 0) {
    return std::nullopt;
  }
  const std::string expected = SourceBytes(sources);
  std::string found(header.sourceBytes, '\0');
  std::uint64_t at = sizeof header;
  if (found.size() != expected.size() || !ReadExactly(fd, found.data(), found.size(), at) ||
      found != expected) {
    return std::nullopt;
  }
  at += found.size();
  IndexFileKeys index;
  CallKeys& keys = index.keys;
  const std::size_t n = header.stationCount;
  if (!ReadVector(fd, keys.callEnds, n, at) || !ReadVector(fd, keys.recordEnds, n, at)) {
    return std::nullopt;
  }
  keys.calls.resize(header.callBytes);
  if (!ReadExactly(fd, keys.calls.data(), keys.calls.size(), at)) {
    return std::nullopt;
  }
  index.recordsAt = at + keys.calls.size();
  if (!SoundEnds(keys.callEnds, header.callBytes, 1) ||
      !SoundEnds(keys.recordEnds, header.recordBytes, 0)) {
    return std::nullopt;
  }
  return index;
}

bool ReadExactly(int fd, char* into, std::size_t size, std::uint64_t at) {
  while (size > 0) {
    const ssize_t got = ::pread(fd, into, size, static_cast<off_t>(at));
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      return false;
    }
    into += got;
    size -= static_cast<std::size_t>(got);
    at += static_cast<std::uint64_t>(got);
  }
  return true;
}

}  // namespace tavrilon::callbook
