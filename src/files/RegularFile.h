#pragma once

#include <filesystem>
#include <string>

namespace tavrilon::files {

// Opens a file for reading only when it is a regular file: open() on a FIFO
// waits for a writer that never comes, and a device hands out bytes without
// end. Answers the descriptor, or -1 with `reason` set: "is a folder", "is
// not a regular file", or the system's own words.
int OpenRegularFileForReading(const std::filesystem::path& path, std::string& reason);

// Reads what is left of an open file; false, with errno set, on a failure.
bool ReadAll(int fd, std::string& bytes);

// The whole of a regular file; false with `reason` set when it cannot be read.
bool ReadRegularFile(const std::filesystem::path& path, std::string& bytes, std::string& reason);

// Why `path` cannot be read as a file ("is a folder", "is not a regular
// file"), or empty when it is a regular file or does not exist.
std::string NotARegularFile(const std::filesystem::path& path);

}  // namespace tavrilon::files
