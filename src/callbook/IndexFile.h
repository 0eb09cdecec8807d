#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "callbook/CallbookFolder.h"
#include "callbook/IndexContent.h"

namespace tavrilon::callbook {

// The index file: a header (magic, version, byte order, counts, checksum),
// the data files it was built from, the keys (call ends, record ends, calls), then
// the records. It is a cache beside the data, so it is kept in the machine's
// own byte order, and one of another order counts as foreign.

// Writes the index whole or not at all; false with `reason` in the
// system's words when it cannot.
bool WriteIndexFile(const std::filesystem::path& path, const std::vector<SourceFile>& sources,
                    const IndexContent& content, std::string& reason);

// The keys of an index file and where its records start.
struct IndexFileKeys {
  CallKeys keys;
  std::uint64_t recordsAt = 0;
};

// The keys of the index open as `fd` when the file is whole, its checksum
// holds and it was built from exactly `sources`; nothing for any other file.
std::optional<IndexFileKeys> ReadIndexFileKeys(int fd, const std::vector<SourceFile>& sources);

// `size` bytes at `at`; false when the file has not that many.
bool ReadExactly(int fd, char* into, std::size_t size, std::uint64_t at);

}  // namespace tavrilon::callbook
