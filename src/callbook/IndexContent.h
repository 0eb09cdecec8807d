#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::callbook {

// The calls of an index in ascending order, each with the end of its record:
// what a look-up searches in memory before it reads the one record.
struct CallKeys {
  std::string calls;                      // every call, one after the other
  std::vector<std::uint32_t> callEnds;    // where each call ends in `calls`
  std::vector<std::uint32_t> recordEnds;  // where each record ends among the records

  std::size_t Count() const { return callEnds.size(); }
  std::string_view Call(std::size_t i) const;
  std::uint32_t RecordStart(std::size_t i) const { return i == 0 ? 0 : recordEnds[i - 1]; }
  // The position of `call`, or Count() when it is not there.
  std::size_t Find(std::string_view call) const;
};

// An index as it is built: the keys and every record, one after the other.
// Ends of 32 bits keep the keys small, which is what opening an index reads.
struct IndexContent {
  CallKeys keys;
  std::string records;
};

}  // namespace tavrilon::callbook
