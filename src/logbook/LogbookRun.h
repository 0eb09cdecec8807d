#pragma once

#include <string>

#include "adif/AdifInput.h"
#include "logbook/LogPageLayout.h"
#include "logbook/LogRangeInput.h"
#include "print/PrintSurface.h"
#include "session/Clock.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::logbook {

enum class LogMode { Full, Part, Page, Html };

// The main window's choices a logbook run reads.
struct LogbookChoices {
  std::string logInputFile;  // LogInputFile
  std::string logLayout;     // "DEFAULT" or "CUSTOM"
  std::string operatorCall;  // OperatorCall
};

enum class LogbookOutcome { Printed, Stopped, Cancelled, DictionaryMissing };

// The logbook print run and the state it keeps between runs: the mode, the
// date range, the start page and the page state.
class LogbookRun {
 public:
  LogbookRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui,
             Clock clock);

  // Prints the log in the current mode: every contact ("Full"), those in the
  // range ("Part"), or every contact from the start page on ("Page").
  LogbookOutcome PrintLog(const LogbookChoices& choices, const print::SurfaceSource& surface);

  // Whether the contact just parsed is printed in the current mode.
  bool LogIncluded();

  LogMode Mode = LogMode::Full;
  LogRange Range;
  LogPageState Page;

 private:
  std::string NothingToPrint(const std::string& logFile) const;

  adif::AdifInput& input_;
  settings::SettingsFile& settings_;
  UserInterface& ui_;
  Clock clock_;
};

}  // namespace tavrilon::logbook
