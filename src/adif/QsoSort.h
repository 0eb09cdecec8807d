#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::adif {

// The records of a label log as the file holds them (AdifInput::RecordBytes),
// each with the key it is sorted by (its "CALL" value as parsed, or a key
// of bureau order), kept in large blocks that never move:
// a million records cost little more than the log itself, and growing never
// holds two copies of it.
class SortRecords {
 public:
  void Add(std::string_view key, std::string_view record);
  std::size_t Count() const { return entries_.size(); }
  std::string_view Key(std::size_t i) const;
  std::string_view Record(std::size_t i) const;
  // Bytes of all records, for progress while they are printed.
  std::int64_t TextSize() const { return textSize_; }

 private:
  friend struct SortAccess;
  struct Entry {
    std::uint64_t leading = 0;  // the key's first 8 bytes, big-endian, 0 past its end
    const char* key = nullptr;  // followed at once by the record text
    std::size_t keySize = 0;
    std::size_t recordSize = 0;
  };
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;
  std::size_t room_ = 0;
  std::int64_t textSize_ = 0;
  std::vector<Entry> entries_;
};

// Called every 10,000 comparisons with the comparisons made so far and the
// most the sort can make (SortBound).
using SortProgress = std::function<void(std::int64_t done, std::int64_t most)>;

// The most comparisons SortByKey makes for `count` records.
std::int64_t SortBound(std::size_t count);

// Puts the records in order by key, compared byte by byte (capitals before
// small letters), records of one key keeping their order. Returns the
// comparisons made.
std::int64_t SortByKey(SortRecords& records, const SortProgress& progress);

}  // namespace tavrilon::adif
