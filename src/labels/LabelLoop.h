#pragma once

#include <string>

#include "labels/DesignPrinter.h"
#include "labels/RunContacts.h"
#include "labels/SentContacts.h"
#include "labels/UnreadableDates.h"
#include "print/PrintSurface.h"
#include "session/UserInterface.h"

namespace tavrilon::labels {

// The contacts' part of a label run: each contact through `printer`, its
// date checked, its record kept in `sent` (when the run keeps them); "Label
// N" and the progress bar as the run goes, at 100 at its end. Empty when every
// contact printed, else what stopped the run.
std::string PrintEveryContact(DesignPrinter& printer, print::PrintSurface& surface,
                              RunContacts& contacts, UnreadableDates& dates, SentContacts* sent,
                              UserInterface& ui);

}  // namespace tavrilon::labels
