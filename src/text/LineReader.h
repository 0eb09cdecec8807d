#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrilon::text {

// Reads a text file line by line through a fixed buffer, so that memory does
// not grow with the file; only a single line longer than the buffer grows the
// line it is read into. A line ends at LF or CR LF; every line is handed out
// as UTF-8 (see DecodeLine).
class LineReader {
 public:
  LineReader() = default;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  ~LineReader();

  // False with `error` set to the system's reason when the file cannot be read.
  bool Open(const std::filesystem::path& path, std::string& error);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  // Starts again at the first line.
  bool Rewind();

  // True when no line is left (or reading failed: see Failed).
  bool AtEnd();
  // False when no line is left.
  bool ReadLine(std::string& line);

  std::int64_t FileLength() const { return fileLength_; }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  bool Fill();

  int fd_ = -1;
  std::filesystem::path path_;
  std::vector<char> buffer_ = std::vector<char>(std::size_t{1} << 18);
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // The buffer's bytes before this are valid UTF-8: lines within them need
  // no check of their own.
  std::size_t validEnd_ = 0;
  bool eof_ = false;
  std::int64_t fileLength_ = 0;
  std::string error_;
};

}  // namespace tavrilon::text
