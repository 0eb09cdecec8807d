#include "labels/UnreadableDates.h"

#include <algorithm>

#include "text/Text.h"

namespace tavrilon::labels {

namespace {

// Contacts with a date that is no date named after a run; the rest counted.
constexpr std::size_t kDatesNamed = 5;

}  // namespace

void UnreadableDates::Check(const adif::QsoRecord& qso) {
  if (!qso.dateUnreadable || ++count_ > kDatesNamed) {
    return;
  }
  if (!named_.empty()) {
    named_ += ", ";
  }
  named_ += text::TrimBlanks(qso.fields.StandardValue(adif::StandardField::Call));
  named_ += " (";
  named_ += qso.fields.StandardValue(adif::StandardField::QsoDate);
  named_ += ')';
}

void UnreadableDates::Tell(UserInterface& ui) const {
  if (count_ == 0) {
    return;
  }
  const std::size_t named = std::min(count_, kDatesNamed);
  std::string text = std::to_string(count_) +
                     (count_ == 1 ? " contact has a QSO_DATE that is no date"
                                  : " contacts have a QSO_DATE that is no date") +
                     ", printed as it stands: " + named_;
  if (count_ > named) {
    text += " and " + std::to_string(count_ - named) + " more";
  }
  ui.ShowMessage(text + ".");
}

}  // namespace tavrilon::labels
