#pragma once

#include <string>
#include <string_view>

#include "adif/FieldTable.h"

namespace tavrilon::sending {

// The call a QSL_VIA text names, in capitals: "QSL via SP3PDO" and "via
// EA5XX direct" name a manager; "BURO", "LoTW" and "direct" name none, which
// gives an empty text.
std::string ManagerCall(std::string_view qslVia);

// Where a contact's card goes: to the manager QSL_VIA names, else to the
// station itself.
struct Destination {
  std::string call;         // in capitals, trimmed
  bool viaManager = false;  // a manager other than the station
};

Destination DestinationOf(std::string_view call, std::string_view qslVia);
Destination DestinationOf(const adif::FieldTable& fields);

}  // namespace tavrilon::sending
