#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tavrilon::callbook {

// The text buffer that a search and every field read write into.
inline constexpr std::size_t kQrzBufferCapacity = 256;
struct QrzBuffer {
  std::array<char, kQrzBufferCapacity> bytes{};
  std::string_view First(std::size_t length) const {
    return {bytes.data(), length < bytes.size() ? length : bytes.size()};
  }
};

// The fields a mailing label asks for.
inline constexpr int kQrzName = 100;
inline constexpr int kQrzStreet = 8;
inline constexpr int kQrzTown = 9;
inline constexpr int kQrzState = 10;
inline constexpr int kQrzPostalCode = 11;
// The attention line ("c/o ..."), where the licence files have one.
inline constexpr int kQrzAttention = 101;

// A first indexing's progress: bytes of the data files read, of all of them.
using IndexProgress = std::function<void(std::int64_t done, std::int64_t total)>;

class CallbookIndex;

// The callbook: the stations' postal addresses from the licence files in one
// folder, indexed once into a file beside them.
class QrzDatabase {
 public:
  QrzDatabase();
  ~QrzDatabase();
  QrzDatabase(const QrzDatabase&) = delete;
  QrzDatabase& operator=(const QrzDatabase&) = delete;

  // Opens the callbook in `folder`, indexing its files first when the index
  // is missing, damaged (its checksum fails) or a data file changed since.
  // 0 when the folder holds no callbook file or one cannot be read
  // (Failure() says which and why); otherwise not 0.
  std::int32_t QRZInit(const std::filesystem::path& folder, const IndexProgress& progress);
  // The number of stations found under `call` (0 or 1), which QRZField then
  // reads. A call with "/" that is not found as it stands is looked up by
  // its longest part ("W1AAA/P", "VE3/W1AAA": W1AAA).
  std::int16_t QRZSearch(std::string_view call, QrzBuffer& buffer);
  // Writes field `field` of the station found last into the start of
  // `buffer` and its length in bytes into `length` (never more than the
  // buffer holds, cut on a whole UTF-8 character). An unknown field, or no
  // station found: length 0.
  void QRZField(int field, QrzBuffer& buffer, std::int16_t& length) const;

  const std::string& Failure() const { return failure_; }
  // Set by QRZInit when the index could not be kept beside the data (a
  // folder that cannot be written): the callbook works all the same, but is
  // indexed again at the next opening. Says which file and why.
  const std::string& Notice() const { return notice_; }

 private:
  std::unique_ptr<CallbookIndex> index_;
  std::filesystem::path folder_;  // the folder of index_
  std::string failure_;
  std::string notice_;
  std::string found_;  // the station QRZField reads, as the index keeps it
};

}  // namespace tavrilon::callbook
