#pragma once

namespace tavrilon {

// How a run that reads a log ended; the user has been told why whenever it
// did not complete.
enum class RunOutcome {
  Completed,          // printed, or the page written
  Stopped,            // nothing, or nothing whole, came of it
  Cancelled,          // the user did not want a print document after all
  DictionaryMissing,  // the caller must end the program
};

}  // namespace tavrilon
