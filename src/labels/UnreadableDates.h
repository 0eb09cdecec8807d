#pragma once

#include <cstddef>
#include <string>

#include "adif/QsoRecord.h"
#include "session/UserInterface.h"

namespace tavrilon::labels {

// The contacts of a run whose QSO_DATE is no date: they print the date as it
// stands, and the user is told of them once, after the run.
class UnreadableDates {
 public:
  void Check(const adif::QsoRecord& qso);
  // Names the first few ("W1AW (28 XXX 2024)") and counts the rest; nothing
  // when every date could be read.
  void Tell(UserInterface& ui) const;

 private:
  std::size_t count_ = 0;
  std::string named_;
};

}  // namespace tavrilon::labels
