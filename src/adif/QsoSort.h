#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "session/UserInterface.h"

namespace tavrilon::adif {

// The records of a label log as the file holds them (AdifInput::RecordBytes),
// each with its "CALL" value as parsed, kept in large blocks that never move:
// a million records cost little more than the log itself, and growing never
// holds two copies of it.
class SortRecords {
 public:
  void Add(std::string_view call, std::string_view record);
  std::size_t Count() const { return entries_.size(); }
  std::string_view Call(std::size_t i) const;
  std::string_view Record(std::size_t i) const;
  // Bytes of all records, for progress while they are printed.
  std::int64_t TextSize() const { return textSize_; }

 private:
  friend struct SortAccess;
  struct Entry {
    std::uint64_t leading = 0;   // the call's first 8 bytes, big-endian, 0 past its end
    const char* call = nullptr;  // followed at once by the record text
    std::size_t callSize = 0;
    std::size_t recordSize = 0;
  };
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;
  std::size_t room_ = 0;
  std::int64_t textSize_ = 0;
  std::vector<Entry> entries_;
};

// The sorted copy of a label log: its full name with ".sort" appended.
std::filesystem::path SortedFilePath(const std::filesystem::path& labelInputFile);

struct SortOutcome {
  bool written = false;
  std::string failure;         // names the file and gives the system's reason
  std::int64_t sortCount = 0;  // comparisons made
};

// Puts the records in order by call, compared byte by byte (capitals before
// small letters), records of one call keeping their order, and writes them to
// `sortedFile`, whole or not at all: each from its first tag, on a line of its
// own, ended by CR LF. A record whose values hold line ends keeps them, so it
// spans the lines it spanned in the log: a logger that follows the declared
// lengths reads every value as it was, and our reader joins the lines again.
// No header: the file begins with a tag. Shows the sort window and the
// progress texts while it works.
SortOutcome SortArrays(SortRecords& records, const std::filesystem::path& sortedFile,
                       UserInterface& ui);

}  // namespace tavrilon::adif
