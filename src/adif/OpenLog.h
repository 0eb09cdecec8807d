#pragma once

#include <filesystem>

#include "adif/AdifInput.h"

namespace tavrilon::adif {

// Which header skip follows the opening of a log.
enum class LogHeader {
  Labels,   // StartAdifInput: the label runs and the label reading
  Logbook,  // SkipToFirstRecord: the logbook, the HTML page
  Later,    // left to the caller, so that a run stopped before it needs no dictionary
};

// How the opening of a log went; each caller words it for its user.
struct OpenedLog {
  bool missing = false;  // nothing at the path
  InputStatus status;    // else why it would not open or its header could not be read
  bool Ok() const { return !missing && status.Ok(); }
};

// Opens `log` through `input` and skips its header. A log that fails is
// closed again.
OpenedLog OpenLog(AdifInput& input, const std::filesystem::path& log, LogHeader header);

}  // namespace tavrilon::adif
