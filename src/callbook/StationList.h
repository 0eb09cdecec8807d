#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "callbook/IndexContent.h"
#include "callbook/StationRecord.h"

namespace tavrilon::callbook {

// Which of the entries of one call is kept: the highest rank, and of equal
// ranks the one read last.
inline constexpr std::uint64_t kPublicListRank = std::uint64_t{1} << 32;
inline constexpr std::uint64_t kOwnListRank = std::uint64_t{2} << 32;

// The stations read from the data files, before they are indexed. Every
// entry's call and record share one block of memory, so that a million of
// them cost no allocation each.
class StationList {
 public:
  // The call is taken trimmed and in capitals; an empty one is no station.
  void Add(const StationFields& station, std::uint64_t rank);
  // Sorted by call, one station a call; the list is empty afterwards.
  // Nothing when the records take more than an index can hold (4 GiB).
  std::optional<IndexContent> Finish();

 private:
  struct Entry {
    std::uint64_t at;  // where the call starts in the block; its record follows it
    std::uint64_t rank;
    std::uint32_t callSize;
    std::uint32_t recordSize;
  };

  std::string block_;
  std::vector<Entry> entries_;
};

}  // namespace tavrilon::callbook
