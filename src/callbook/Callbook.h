#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "callbook/StationAddress.h"

namespace tavrilon::callbook {

// A first indexing's progress: bytes of the data files read, of all of them.
using IndexProgress = std::function<void(std::int64_t done, std::int64_t total)>;

// How an opening went.
struct CallbookOpening {
  bool ok = false;
  // Why the callbook cannot be used, when not ok: the folder holds no
  // callbook file, or one that cannot be read.
  std::string failure;
  // When ok, but the index could not be kept beside the data (a folder that
  // cannot be written): the callbook works all the same, but is indexed again
  // at the next opening. Says which file and why.
  std::string notice;
};

class CallbookIndex;

// The callbook: the stations' postal addresses from the licence files in one
// folder, indexed once into a file beside them.
class Callbook {
 public:
  Callbook();
  ~Callbook();
  Callbook(const Callbook&) = delete;
  Callbook& operator=(const Callbook&) = delete;

  // Opens the callbook in `folder`, indexing its files first when the index
  // is missing, damaged (its checksum fails) or a data file changed since.
  CallbookOpening Open(const std::filesystem::path& folder, const IndexProgress& progress);
  // The address of `call`; nothing when the callbook has no such station or
  // is not open. A call with "/" that is not found as it stands is looked up
  // by its longest part ("W1AAA/P", "VE3/W1AAA": W1AAA).
  std::optional<StationAddress> Find(std::string_view call) const;

 private:
  std::unique_ptr<CallbookIndex> index_;
  std::filesystem::path folder_;  // the folder of index_
};

}  // namespace tavrilon::callbook
