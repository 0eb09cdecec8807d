#include "adif/QsoSort.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tavrilon::adif {

namespace {

// Large enough that a log needs few, small enough that the last one wastes little.
constexpr std::size_t kBlockBytes = std::size_t{4} << 20;
constexpr std::int64_t kProgressEvery = 10'000;

std::uint64_t Leading(std::string_view key) {
  std::uint64_t leading = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    leading = leading << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0U);
  }
  return leading;
}

}  // namespace

struct SortAccess {
  using Entry = SortRecords::Entry;

  static std::vector<Entry>& Entries(SortRecords& records) { return records.entries_; }

  // Counts every comparison and shows each 10,000th.
  class CountingLess {
   public:
    CountingLess(const SortProgress& progress, std::int64_t most)
        : progress_(progress), most_(most) {}
    bool operator()(const Entry& a, const Entry& b) {
      if (++count_ % kProgressEvery == 0) {
        progress_(std::min(count_, most_), most_);
      }
      if (a.leading != b.leading) {
        return a.leading < b.leading;
      }
      if (a.keySize <= 8 && b.keySize <= 8) {
        return a.keySize < b.keySize;  // spares a visit to the text: repeated keys are common
      }
      return std::string_view(a.key, a.keySize) < std::string_view(b.key, b.keySize);
    }
    std::int64_t Count() const { return count_; }

   private:
    const SortProgress& progress_;
    std::int64_t most_;
    std::int64_t count_ = 0;
  };

  // Top-down merge sort with a buffer of its own (n / 2 entries): stable, and
  // never more than n * ceil(log2 n) comparisons, which the progress range
  // relies on; a library sort short of memory may take more.
  static void MergeSort(Entry* first, std::size_t n, Entry* buffer, CountingLess& less) {
    if (n < 2) {
      return;
    }
    const std::size_t half = n / 2;
    MergeSort(first, half, buffer, less);
    MergeSort(first + half, n - half, buffer, less);
    if (!less(first[half], first[half - 1])) {
      return;  // already in order: a sorted log costs n - 1 comparisons
    }
    std::copy(first, first + half, buffer);
    const Entry* left = buffer;
    const Entry* leftEnd = buffer + half;
    Entry* right = first + half;
    Entry* const end = first + n;
    Entry* out = first;
    while (left != leftEnd && right != end) {
      *out++ = less(*right, *left) ? *right++ : *left++;
    }
    std::copy(left, leftEnd, out);
  }
};

void SortRecords::Add(std::string_view key, std::string_view record) {
  const std::size_t size = key.size() + record.size();
  if (blocks_.empty() || size > room_) {  // empty also once moved from
    room_ = std::max(size, kBlockBytes);
    free_ = blocks_.emplace_back(std::make_unique_for_overwrite<char[]>(room_)).get();
  }
  char* const at = free_;
  std::memcpy(at, key.data(), key.size());
  std::memcpy(at + key.size(), record.data(), record.size());
  free_ += size;
  room_ -= size;
  textSize_ += static_cast<std::int64_t>(record.size());
  entries_.push_back({Leading(key), at, key.size(), record.size()});
}

std::string_view SortRecords::Key(std::size_t i) const {
  return {entries_[i].key, entries_[i].keySize};
}

std::string_view SortRecords::Record(std::size_t i) const {
  return {entries_[i].key + entries_[i].keySize, entries_[i].recordSize};
}

std::int64_t SortBound(std::size_t count) {
  const auto levels = static_cast<std::int64_t>(std::bit_width(count > 1 ? count - 1 : 0));
  return static_cast<std::int64_t>(count) * (levels + 1);
}

std::int64_t SortByKey(SortRecords& records, const SortProgress& progress) {
  const std::size_t n = records.Count();
  SortAccess::CountingLess less(progress, SortBound(n));
  std::vector<SortAccess::Entry>& entries = SortAccess::Entries(records);
  std::vector<SortAccess::Entry> buffer(n / 2);
  SortAccess::MergeSort(entries.data(), n, buffer.data(), less);
  return less.Count();
}

}  // namespace tavrilon::adif
