#pragma once

#include <string>

#include "countries/CountryTable.h"
#include "labels/DesignPrinter.h"
#include "labels/RunContacts.h"
#include "labels/SentContacts.h"
#include "labels/UnreadableDates.h"
#include "print/PrintSurface.h"
#include "sending/RunSummary.h"
#include "session/UserInterface.h"

namespace tavrilon::labels {

// What a run keeps of the contacts it prints.
struct ContactAccounts {
  UnreadableDates dates;
  SentContacts* sent = nullptr;  // when the run keeps them
  sending::RunSummary summary;
  const countries::CountryTable* countries = nullptr;  // for the summary's countries
};

// The contacts' part of a label run: each chosen contact through `printer`,
// its date checked and its record and destination kept in `accounts`;
// "Label N" and the progress bar as the run goes, at 100 at its end. Empty
// when every contact printed, else what stopped the run.
std::string PrintEveryContact(DesignPrinter& printer, print::PrintSurface& surface,
                              RunContacts& contacts, ContactAccounts& accounts, UserInterface& ui);

}  // namespace tavrilon::labels
