#pragma once

#include <string>

#include "adif/AdifInput.h"
#include "logbook/LogLayout.h"
#include "logbook/LogRangeInput.h"
#include "print/PrintSurface.h"
#include "session/Clock.h"
#include "session/RunOutcome.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::logbook {

enum class LogMode { Full, Part, Page };

// What a logbook run (or the HTML page) is asked to do, as the main window
// holds it.
struct LogbookRequest {
  std::string logInputFile;
  LogLayout layout = LogLayout::Default;
  std::string operatorCall;
  LogMode mode = LogMode::Full;
  LogRange range;     // the Part mode's
  int startPage = 0;  // the Page mode's: the pages left out
};

// Whether a contact lies in the range: from the begin date and time (none:
// from the first contact) to the end date and time (none: to the last).
bool InLogRange(const LogRange& range, const adif::QsoRecord& qso);

// The logbook print run.
class LogbookRun {
 public:
  LogbookRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui,
             Clock clock);

  // Prints the log in the request's mode: every contact ("Full"), those in
  // the range ("Part"), or every contact from the start page on ("Page").
  RunOutcome PrintLog(const LogbookRequest& request, const print::SurfaceSource& surface);

 private:
  adif::AdifInput& input_;
  settings::SettingsFile& settings_;
  UserInterface& ui_;
  Clock clock_;
};

}  // namespace tavrilon::logbook
