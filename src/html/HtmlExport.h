#pragma once

#include <filesystem>

#include "adif/AdifInput.h"
#include "logbook/LogbookRun.h"
#include "session/Clock.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::html {

enum class HtmlExportOutcome {
  Written,            // the page is in place
  Stopped,            // the user was told why there is no new page
  DictionaryMissing,  // the caller must end the program
};

// Where the page of a log goes: beside it, the log's extension replaced by
// ".html" (a log without one gets ".html" added).
std::filesystem::path HtmlPagePath(const std::filesystem::path& log);

// "Convert Log to HTML": every contact of the log as one row of a web page
// beside it, in the columns of the log layout. A log that is itself an HTML
// page is never written over; a page is replaced only by a whole new one.
HtmlExportOutcome ConvertLogToHtml(adif::AdifInput& input, settings::SettingsFile& settings,
                                   UserInterface& ui, const logbook::LogbookChoices& choices,
                                   const Clock& clock);

}  // namespace tavrilon::html
