#pragma once

#include <string>
#include <string_view>

#include "callbook/Callbook.h"
#include "designs/SimpleLabel.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::labels {

// The operator's own address, from the settings, for the return label; a
// line still holding its first-run text is empty.
designs::LabelLines LoadReturnAddress(settings::SettingsFile& settings);

// A US ZIP code of digits as it is written on mail (nine digits as
// NNNNN-NNNN); any other postal code as it stands.
std::string PostalCodeText(std::string_view code);

// The name line of a mailing label: the name, and beside it the licence's
// attention line when it has one, with "c/o" before it unless it already
// says how it is meant ("c/o", "attn"). The label's four lines stay as they
// are, so the street and town keep theirs.
std::string NameLineText(std::string_view name, std::string_view attention);

// The callbook as the label runs use it. It stays open from one run to the
// next; each run opens it again, which is cheap while its files are unchanged.
class MailingAddresses {
 public:
  // Opens the callbook in the folder of "CDdrive". False, after telling the
  // user, when there is none there or it cannot be read: the run then prints
  // no mailing labels.
  bool OpenCallbook(settings::SettingsFile& settings, UserInterface& ui);
  // The station's mailing label: call, name (with "c/o" beside it), street,
  // town with state and postal code; or the call and "Address Not Found".
  designs::LabelLines LookupMailingAddress(std::string_view call) const;

 private:
  callbook::Callbook callbook_;
};

}  // namespace tavrilon::labels
