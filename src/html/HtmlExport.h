#pragma once

#include <filesystem>
#include <vector>

#include "adif/AdifInput.h"
#include "logbook/LogbookRun.h"
#include "session/Clock.h"
#include "session/RunOutcome.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::html {

// Where the page of a log goes: beside it, the log's extension replaced by
// ".html" (a log without one gets ".html" added).
std::filesystem::path HtmlPagePath(const std::filesystem::path& log);

// "Convert Log to HTML": every contact of the log as one row of a web page
// beside it, in the columns of the log layout. A log that is itself an HTML
// page is never written over, nor is one of `protectedFiles`
// (Session::ProtectedFiles) that the page leads to as a link; a page is
// replaced only by a whole new one.
// Completed when the page is in place. Only the request's log, layout and
// operator's call count: the page holds every contact.
RunOutcome ConvertLogToHtml(adif::AdifInput& input, settings::SettingsFile& settings,
                            UserInterface& ui, const logbook::LogbookRequest& request,
                            const Clock& clock,
                            const std::vector<std::filesystem::path>& protectedFiles);

}  // namespace tavrilon::html
