#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrilon::text {

// "64 MiB", or "100 bytes" for a size that is no whole number of MiB.
std::string SizeText(std::size_t bytes);

// Reads a text file line by line through a fixed buffer, so that memory does
// not grow with the file; only a single line longer than the buffer grows the
// line it is read into, and no further than the line limit. A line ends at LF,
// CR LF or a lone CR; every line is handed out as UTF-8 (see DecodeLine). A
// byte-order mark is skipped, and a file that starts with a UTF-16 one is
// read as the text it holds.
class LineReader {
 public:
  // Far beyond any line of a real log: only a file that is no text comes near.
  static constexpr std::size_t kLineLimit = std::size_t{64} << 20;
  static constexpr std::size_t kBufferBytes = std::size_t{1} << 18;

  explicit LineReader(std::size_t lineLimit = kLineLimit, std::size_t bufferBytes = kBufferBytes);
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
  // False when no line is left, or when the line is longer than the limit:
  // then the reading stops as failed.
  bool ReadLine(std::string& line);
  // The number of the line last read, from 1; a line over the limit counts.
  std::int64_t LineNumber() const { return lineNumber_; }

  // For progress only: the length in bytes, but in UTF-16 code units for a
  // UTF-16 file, so that it matches the characters its lines hold.
  std::int64_t FileLength() const { return fileLength_; }
  bool Failed() const { return !error_.empty(); }
  bool LineTooLong() const { return lineTooLong_; }
  std::size_t LineLimit() const { return lineLimit_; }
  const std::string& Error() const { return error_; }

 private:
  enum class Encoding { Utf8, Utf16Le, Utf16Be };

  bool StartAfterByteOrderMark();
  void ResetReading();
  bool Fill();
  std::size_t Transcode(std::size_t rawBytes);
  void PutUnit(char16_t unit, std::size_t& out);
  void PutCode(char32_t code, std::size_t& out);
  std::size_t Find(char c) const;

  std::size_t lineLimit_;
  std::size_t bufferBytes_;
  int fd_ = -1;
  std::filesystem::path path_;
  Encoding encoding_ = Encoding::Utf8;
  std::int64_t start_ = 0;  // the first byte after the byte-order mark
  std::vector<char> buffer_;
  std::vector<unsigned char> raw_;  // UTF-16 as read, before it becomes UTF-8 in buffer_
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // The buffer's bytes before this are valid UTF-8: lines within them need
  // no check of their own.
  std::size_t validEnd_ = 0;
  // The next LF and CR at or after pos_ (end_ for none); each buffer is
  // searched once for each, however many lines it holds.
  std::size_t nextLf_ = 0;
  std::size_t nextCr_ = 0;
  bool crEndedBuffer_ = false;  // an LF that starts the next fill ends no line
  char16_t highSurrogate_ = 0;
  int oddByte_ = -1;  // a UTF-16 unit cut in half by a read
  bool eof_ = false;
  bool lineTooLong_ = false;
  std::int64_t lineNumber_ = 0;
  std::int64_t fileLength_ = 0;
  std::string error_;
};

}  // namespace tavrilon::text
