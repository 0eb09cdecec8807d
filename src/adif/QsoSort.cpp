#include "adif/QsoSort.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "files/ReplacingFile.h"

namespace tavrilon::adif {

namespace {

// Large enough that a log needs few, small enough that the last one wastes little.
constexpr std::size_t kBlockBytes = std::size_t{4} << 20;
constexpr std::int64_t kProgressEvery = 10'000;
constexpr int kEventRounds = 10;

std::uint64_t Leading(std::string_view call) {
  std::uint64_t leading = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    leading = leading << 8 | (i < call.size() ? static_cast<unsigned char>(call[i]) : 0U);
  }
  return leading;
}

void LetEventsRun(UserInterface& ui) {
  for (int i = 0; i < kEventRounds; ++i) {
    ui.LetPendingEventsRun();
  }
}

std::string SortedText(UserInterface& ui, std::int64_t count) {
  return "Sorting Data - " + ui.GroupDigits(count) + " sorts complete.";
}

// The most comparisons the merge sort below makes for n records, with room to spare.
std::int64_t MostComparisons(std::size_t n) {
  const auto levels = static_cast<std::int64_t>(std::bit_width(n > 1 ? n - 1 : 0));
  return static_cast<std::int64_t>(n) * (levels + 1);
}

}  // namespace

struct SortAccess {
  using Entry = SortRecords::Entry;

  static std::vector<Entry>& Entries(SortRecords& records) { return records.entries_; }

  // Counts every comparison and shows each 10,000th.
  class CountingLess {
   public:
    CountingLess(UserInterface& ui, std::int64_t total) : ui_(ui), total_(total) {}
    bool operator()(const Entry& a, const Entry& b) {
      if (++count_ % kProgressEvery == 0) {
        ui_.ShowSortProgress(SortedText(ui_, count_), std::min(count_, total_), total_);
        ui_.LetPendingEventsRun();
      }
      if (a.leading != b.leading) {
        return a.leading < b.leading;
      }
      if (a.callSize <= 8 && b.callSize <= 8) {
        return a.callSize < b.callSize;  // spares a visit to the text: repeated calls are common
      }
      return std::string_view(a.call, a.callSize) < std::string_view(b.call, b.callSize);
    }
    std::int64_t Count() const { return count_; }

   private:
    UserInterface& ui_;
    std::int64_t total_;
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

void SortRecords::Add(std::string_view call, std::string_view record) {
  const std::size_t size = call.size() + record.size();
  if (blocks_.empty() || size > room_) {  // empty also once moved from
    room_ = std::max(size, kBlockBytes);
    free_ = blocks_.emplace_back(std::make_unique_for_overwrite<char[]>(room_)).get();
  }
  char* const at = free_;
  std::memcpy(at, call.data(), call.size());
  std::memcpy(at + call.size(), record.data(), record.size());
  free_ += size;
  room_ -= size;
  textSize_ += static_cast<std::int64_t>(record.size());
  entries_.push_back({Leading(call), at, call.size(), record.size()});
}

std::string_view SortRecords::Call(std::size_t i) const {
  return {entries_[i].call, entries_[i].callSize};
}

std::string_view SortRecords::Record(std::size_t i) const {
  return {entries_[i].call + entries_[i].callSize, entries_[i].recordSize};
}

std::filesystem::path SortedFilePath(const std::filesystem::path& labelInputFile) {
  std::filesystem::path sorted = labelInputFile;
  sorted += ".sort";
  return sorted;
}

SortOutcome SortArrays(SortRecords& records, const std::filesystem::path& sortedFile,
                       UserInterface& ui) {
  const std::size_t n = records.Count();
  const std::int64_t total = MostComparisons(n);
  ui.ShowSortWindow(true);
  ui.ShowSortProgress("Please Wait - Sorting Data for " + std::to_string(n) + " QSOs", 0, total);
  LetEventsRun(ui);

  SortAccess::CountingLess less(ui, total);
  std::vector<SortAccess::Entry>& entries = SortAccess::Entries(records);
  std::vector<SortAccess::Entry> buffer(n / 2);
  SortAccess::MergeSort(entries.data(), n, buffer.data(), less);
  buffer = {};
  SortOutcome outcome;
  outcome.sortCount = less.Count();
  ui.ShowSortProgress(SortedText(ui, outcome.sortCount), total, total);

  // A link in the copy's place is replaced, never written through to the log.
  files::ReplacingFile file(sortedFile, files::ReplacingFile::Links::Replace);
  if (file.Open()) {
    for (std::size_t i = 0; i < n; ++i) {
      // What stands before a record's first tag is no part of it for any
      // reader; without it the copy begins with "<": a logger then looks
      // for no header.
      const std::string_view record = records.Record(i);
      file.Write(record.substr(std::min(record.find('<'), record.size())));
      file.Write("\r\n");
    }
    // No wait for the disk: the copy is made again by every run that needs it.
    outcome.written = file.Commit(false).has_value();
  }
  if (!outcome.written) {
    outcome.failure =
        "The sorted copy " + sortedFile.string() + " cannot be written: " + file.Failure();
  }
  ui.ShowSortWindow(false);
  LetEventsRun(ui);
  return outcome;
}

}  // namespace tavrilon::adif
