#pragma once

#include <functional>
#include <string>

#include "adif/AdifInput.h"
#include "session/UserInterface.h"

namespace tavrilon::logbook {

enum class LogReadOutcome {
  Read,               // every record was handed on
  Missing,            // "Log File does not exist" was shown
  CannotRead,         // the user was told why
  DictionaryMissing,  // the caller must end the program
};

// The reading part of every logbook run (printed pages and the HTML page):
// the log must exist, is opened with the progress bar shown, then
// `beforeRecords` runs, then each record text goes to `record` as the
// logbook's header skip and record loop find it; progress ends at 100 and the
// log is closed.
LogReadOutcome ReadLogForRun(adif::AdifInput& input, UserInterface& ui, const std::string& logFile,
                             const std::function<void()>& beforeRecords,
                             const std::function<void(const std::string&)>& record);

}  // namespace tavrilon::logbook
