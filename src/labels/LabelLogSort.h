#pragma once

#include <filesystem>
#include <string>

#include "adif/QsoSort.h"
#include "session/SortDisplay.h"
#include "session/UserInterface.h"

namespace tavrilon::labels {

struct SortOutcome {
  bool written = false;
  std::string failure;         // names the file and gives the system's reason
  std::int64_t sortCount = 0;  // comparisons made
};

// Puts a label log's records in order by call and writes the sorted copy
// beside the log, showing the sort window and its texts while it works.
SortOutcome SortLabelLog(adif::SortRecords& records, const std::filesystem::path& sortedFile,
                         UserInterface& ui, SortDisplay& display);

}  // namespace tavrilon::labels
