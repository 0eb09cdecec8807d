#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::text {

// "64 MiB", or "100 bytes" for a size that is no whole number of MiB.
std::string SizeText(std::size_t bytes);

// Reads a text file line by line through a fixed buffer, so that memory does
// not grow with the file; only a single line longer than the buffer grows the
// line it is read into (and a copy of its bytes, for Keep), and no further
// than the line limit. A line ends at LF, CR LF or a lone CR; every line is
// handed out as UTF-8 (see DecodeLine), and the file's own bytes of a stretch
// of lines can be kept (see Keep). A byte-order mark is skipped, and a file
// that starts with a UTF-16 one is read as the text it holds.
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
  // Whether ReadLine converted the line last read (Windows-1252 in the file).
  bool LineConverted() const { return converted_; }

  // The file's own bytes of a stretch of lines, line ends and all, as they
  // stand (a record to be written out again). Keep keeps them from the start
  // of the line last read, or from where the last Take ended; ReadLine without
  // Keep forgets them. Kept hands on what is kept so far, LineOffset where in
  // it the line last read begins. Take hands on the first `count` bytes and
  // stops keeping; the bytes after them stay for the next Keep. What Kept and
  // Take hand on is valid until the next ReadLine or AtEnd. A UTF-16 file's
  // bytes are its text in UTF-8: UTF-16 cannot stand among UTF-8.
  void Keep() { keeping_ = true; }
  void Forget() { keeping_ = false; }
  std::string_view Kept() {
    return carried_.empty() ? std::string_view(buffer_.data() + mark_, pos_ - mark_)
                            : KeptCarried();
  }
  std::size_t LineOffset() const { return lineOffset_; }
  std::string_view Take(std::size_t count) {
    keeping_ = false;
    if (!carried_.empty()) {
      return TakeCarried(count);
    }
    mark_ += count;
    return {buffer_.data() + mark_ - count, count};
  }

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
  std::string_view KeptCarried();
  std::string_view TakeCarried(std::size_t count);

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
  bool converted_ = false;
  // Kept bytes: carried_ (from buffers read before), then the buffer from mark_.
  bool keeping_ = false;
  std::size_t mark_ = 0;
  std::string carried_;
  std::size_t lineOffset_ = 0;
  std::string taken_;  // what Take hands on when it was carried
  char16_t highSurrogate_ = 0;
  int oddByte_ = -1;  // a UTF-16 unit cut in half by a read
  bool eof_ = false;
  bool lineTooLong_ = false;
  std::int64_t lineNumber_ = 0;
  std::int64_t fileLength_ = 0;
  std::string error_;
};

}  // namespace tavrilon::text
