#include "callbook/IndexFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>

#include "files/ReadAt.h"
#include "files/ReplacingFile.h"

namespace tavrilon::callbook {

namespace {

constexpr std::array<char, 8> kMagic = {'T', 'V', 'C', 'A', 'L', 'L', 'B', 'K'};
constexpr std::uint32_t kVersion = 3;
constexpr std::uint32_t kByteOrder = 0x01020304;

struct Header {
  std::array<char, 8> magic = kMagic;
  std::uint32_t version = kVersion;
  std::uint32_t byteOrder = kByteOrder;
  std::uint64_t stationCount = 0;
  std::uint64_t callBytes = 0;
  std::uint64_t recordBytes = 0;
  std::uint64_t sourceBytes = 0;
  std::uint64_t checksum = 0;  // of the whole file with this field 0
};
static_assert(sizeof(Header) == 56, "the header is written as it lies in memory");

// A 64-bit checksum taken word by word in four independent lanes, so that
// checking the index of a million stations at every opening runs at the speed
// of memory. Each step changes its lane one to one, so any change within one
// word of the file always changes the sum.
class Checksum {
 public:
  void Add(std::string_view bytes) {
    if (bytes.empty()) {
      return;
    }
    total_ += bytes.size();
    if (pendingSize_ > 0) {
      const std::size_t taken = std::min(bytes.size(), kBlock - pendingSize_);
      std::memcpy(pending_.data() + pendingSize_, bytes.data(), taken);
      pendingSize_ += taken;
      bytes.remove_prefix(taken);
      if (pendingSize_ < kBlock) {
        return;
      }
      AddBlock(pending_.data());
      pendingSize_ = 0;
    }
    for (; bytes.size() >= kBlock; bytes.remove_prefix(kBlock)) {
      AddBlock(bytes.data());
    }
    if (!bytes.empty()) {
      std::memcpy(pending_.data(), bytes.data(), bytes.size());
      pendingSize_ = bytes.size();
    }
  }

  std::uint64_t Value() const {
    std::uint64_t sum = std::rotl(lanes_[0], 1) + std::rotl(lanes_[1], 7) +
                        std::rotl(lanes_[2], 12) + std::rotl(lanes_[3], 18);
    std::size_t at = 0;
    for (; at + 8 <= pendingSize_; at += 8) {
      sum = Step(sum, Word(pending_.data() + at));
    }
    std::uint64_t last = 0;
    std::memcpy(&last, pending_.data() + at, pendingSize_ - at);
    sum = Step(sum, last) ^ total_;
    // Every bit of the sum depends on every bit of the lanes.
    sum = (sum ^ (sum >> 33)) * kPrime2;
    sum = (sum ^ (sum >> 29)) * kPrime1;
    return sum ^ (sum >> 32);
  }

 private:
  static constexpr std::size_t kBlock = 32;
  static constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87;
  static constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4F;

  static std::uint64_t Word(const char* at) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
  }
  static std::uint64_t Step(std::uint64_t lane, std::uint64_t word) {
    return std::rotl(lane + word * kPrime2, 31) * kPrime1;
  }
  void AddBlock(const char* block) {
    for (std::size_t i = 0; i < lanes_.size(); ++i) {
      lanes_[i] = Step(lanes_[i], Word(block + 8 * i));
    }
  }

  std::array<std::uint64_t, 4> lanes_ = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
  std::array<char, kBlock> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t total_ = 0;
};

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
    bytes.append(Bytes(source.inode)).append(Bytes(source.changedNs));
  }
  return bytes;
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

// An index file read from the header on, every byte added to the checksum.
// Read through a buffer rather than mapped: a file cut short meanwhile is
// then a short read, not a fault.
class SummingReader {
 public:
  SummingReader(int fd, const Header& header) : fd_(fd) { checksum_.Add(Bytes(header)); }

  bool Read(char* into, std::size_t size) {
    if (!ReadExactly(fd_, into, size, at_)) {
      return false;
    }
    at_ += size;
    checksum_.Add({into, size});
    return true;
  }
  template <typename T>
  bool ReadVector(std::vector<T>& values, std::size_t count) {
    values.resize(count);
    return Read(reinterpret_cast<char*>(values.data()), count * sizeof(T));
  }
  // The checksum of the file, which must end `size` bytes further on.
  std::optional<std::uint64_t> SumOfTheRest(std::uint64_t size) {
    // Small enough to stay in the processor's cache between reading and summing.
    std::vector<char> buffer(std::size_t{1} << 18);
    while (size > 0) {
      const std::size_t piece =
          static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size));
      if (!Read(buffer.data(), piece)) {
        return std::nullopt;
      }
      size -= piece;
    }
    return checksum_.Value();
  }
  std::uint64_t At() const { return at_; }

 private:
  int fd_;
  std::uint64_t at_ = sizeof(Header);
  Checksum checksum_;
};

}  // namespace

bool WriteIndexFile(const std::filesystem::path& path, const std::vector<SourceFile>& sources,
                    const IndexContent& content, std::string& reason) {
  const std::string sourceBytes = SourceBytes(sources);
  Header header;
  header.stationCount = content.keys.Count();
  header.callBytes = content.keys.calls.size();
  header.recordBytes = content.records.size();
  header.sourceBytes = sourceBytes.size();
  const std::string_view parts[] = {
      std::string_view(sourceBytes), Bytes(content.keys.callEnds), Bytes(content.keys.recordEnds),
      std::string_view(content.keys.calls), std::string_view(content.records)};
  Checksum checksum;
  checksum.Add(Bytes(header));
  for (const std::string_view part : parts) {
    checksum.Add(part);
  }
  header.checksum = checksum.Value();
  // A link in the index's place is replaced, never written through.
  files::ReplacingFile file(path, files::ReplacingFile::Links::Replace);
  if (!file.Open()) {
    reason = file.Failure();
    return false;
  }
  file.Write(Bytes(header));
  for (const std::string_view part : parts) {
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
  const std::uint64_t checksum = header.checksum;
  header.checksum = 0;
  SummingReader file(fd, header);
  const std::string expected = SourceBytes(sources);
  std::string found(header.sourceBytes, '\0');
  if (found.size() != expected.size() || !file.Read(found.data(), found.size()) ||
      found != expected) {
    return std::nullopt;
  }
  IndexFileKeys index;
  CallKeys& keys = index.keys;
  const std::size_t n = header.stationCount;
  keys.calls.resize(header.callBytes);
  if (!file.ReadVector(keys.callEnds, n) || !file.ReadVector(keys.recordEnds, n) ||
      !file.Read(keys.calls.data(), keys.calls.size())) {
    return std::nullopt;
  }
  index.recordsAt = file.At();
  if (file.SumOfTheRest(header.recordBytes) != checksum ||
      !SoundEnds(keys.callEnds, header.callBytes, 1) ||
      !SoundEnds(keys.recordEnds, header.recordBytes, 0)) {
    return std::nullopt;
  }
  return index;
}

bool ReadExactly(int fd, char* into, std::size_t size, std::uint64_t at) {
  return files::ReadAt(fd, into, size, static_cast<off_t>(at)) == static_cast<ssize_t>(size);
}

}  // namespace tavrilon::callbook
