#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "adif/QsoRecord.h"

namespace tavrilon::sending {

enum class Contacts {
  All,     // every contact of the file
  ToSend,  // the cards still to send
};

// "all", "to-send" (the batch's words and the stored ones), in any case.
std::optional<Contacts> ContactsOf(std::string_view word);
std::string_view ContactsWord(Contacts contacts);

// Which contacts a label run prints.
struct ContactChoice {
  Contacts contacts = Contacts::All;
  // Days as YYYYMMDD numbers, both ends included; nothing for an open end.
  std::optional<std::int64_t> from = std::nullopt;
  std::optional<std::int64_t> to = std::nullopt;

  bool ChoosesAll() const { return contacts == Contacts::All && !from && !to; }
  // "cards still to send, 20240101 to 20241231"; empty when ChoosesAll.
  std::string Description() const;
};

// A date typed as YYYYMMDD (blanks around it allowed) as its number; nothing
// when it is not a day of the calendar.
std::optional<std::int64_t> DayOf(std::string_view yyyymmdd);

// Whether a contact still needs its card: QSL_SENT is R (requested), Q
// (queued) or not set, in any case, and QSL_SENT_VIA is not E (electronic).
bool StillToSend(std::string_view qslSent, std::string_view qslSentVia);

// Picks the chosen contacts out of those the reader hands on.
class ContactFilter {
 public:
  explicit ContactFilter(ContactChoice choice) : choice_(choice) {}

  bool Chosen(const adif::QsoRecord& qso);

 private:
  ContactChoice choice_;
  // QSL_SENT_VIA is no standard field: its slot, for the dictionary loaded.
  std::uint64_t generation_ = 0;
  std::size_t sentViaSlot_ = 0;
};

}  // namespace tavrilon::sending
