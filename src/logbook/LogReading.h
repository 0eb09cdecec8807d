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
  Stopped,            // `beforeRecords` said no
  DictionaryMissing,  // the caller must end the program
};

// The reading part of every logbook run (printed pages and the HTML page):
// the log must exist, is opened with the progress bar shown, then
// `beforeRecords` runs (false stops the run there, the user told why by it),
// then each record text goes to `record` as the logbook's header skip and
// record loop find it; progress ends at 100 and the log is closed.
LogReadOutcome ReadLogForRun(adif::AdifInput& input, UserInterface& ui, const std::string& logFile,
                             const std::function<bool()>& beforeRecords,
                             const std::function<void(const std::string&)>& record);

}  // namespace tavrilon::logbook
