#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavrilon::callbook {

// A data file as the index remembers it: any change means a new index. The
// inode and the status change time cannot be put back as `touch` puts back
// the modification time, so a file edited in place is never taken as the
// one indexed.
struct SourceFile {
  std::string name;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::uint64_t inode = 0;
  std::int64_t changedNs = 0;
  bool operator==(const SourceFile&) const = default;
};

// The data files of a callbook folder, found by name whatever its case; an
// empty path for a file that is not there.
struct CallbookFiles {
  std::filesystem::path usEntities;  // EN.dat
  std::filesystem::path usHeaders;   // HD.dat
  std::filesystem::path canada;      // amateur_delim.txt
  std::filesystem::path ownList;     // callbook.csv
  std::vector<SourceFile> sources;   // every one of them, in the order above
};

inline constexpr char kIndexFileName[] = "tavrilon-callbook.idx";

// The callbook files in `folder`, or nothing with `failure` saying why there
// is no callbook there.
std::optional<CallbookFiles> FindCallbookFiles(const std::filesystem::path& folder,
                                               std::string& failure);

}  // namespace tavrilon::callbook
