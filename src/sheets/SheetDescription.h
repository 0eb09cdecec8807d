#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/SettingsFile.h"
#include "sheets/InstalledSheets.h"

namespace tavrilon::sheets {

// The one-line description of a stock for the main window: the catalogue's
// text, a custom sheet's stored entries, or "Not Defined" for a custom sheet
// without them, or a database sheet's. Nothing for any other text: the
// window keeps what it shows.
std::optional<std::string> SheetDescription(std::string_view stock,
                                            settings::SettingsFile& settings,
                                            InstalledSheets& installed);

}  // namespace tavrilon::sheets
