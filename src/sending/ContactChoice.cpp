#include "sending/ContactChoice.h"

#include "adif/QsoFormats.h"
#include "text/Text.h"

namespace tavrilon::sending {

namespace {

// Unreadable and missing dates are no day at all: outside any range with an end.
bool InRange(const ContactChoice& choice, const adif::QsoRecord& qso) {
  if (!choice.from && !choice.to) {
    return true;
  }
  if (qso.dateUnreadable || qso.dateNumber <= 0) {
    return false;
  }
  return (!choice.from || qso.dateNumber >= *choice.from) &&
         (!choice.to || qso.dateNumber <= *choice.to);
}

}  // namespace

std::optional<Contacts> ContactsOf(std::string_view word) {
  word = text::TrimBlanks(word);
  for (const Contacts contacts : {Contacts::All, Contacts::ToSend}) {
    if (text::EqualsIgnoringCase(word, ContactsWord(contacts))) {
      return contacts;
    }
  }
  return std::nullopt;
}

std::string_view ContactsWord(Contacts contacts) {
  return contacts == Contacts::ToSend ? "to-send" : "all";
}

std::string ContactChoice::Description() const {
  std::string out;
  if (contacts == Contacts::ToSend) {
    out = "cards still to send";
  }
  if (from || to) {
    if (!out.empty()) {
      out += ", ";
    }
    if (from && to) {
      out += std::to_string(*from) + " to " + std::to_string(*to);
    } else if (from) {
      out += "from " + std::to_string(*from);
    } else {
      out += "up to " + std::to_string(*to);
    }
  }
  return out;
}

std::optional<std::int64_t> DayOf(std::string_view yyyymmdd) {
  const std::string_view day = text::TrimBlanks(yyyymmdd);
  if (day.size() != 8 || !text::IsDigits(day) || !adif::IsAdifDate(day)) {
    return std::nullopt;
  }
  return adif::DateNumber(day);
}

bool StillToSend(std::string_view qslSent, std::string_view qslSentVia) {
  const std::string_view sent = text::TrimBlanks(qslSent);
  return (sent.empty() || text::EqualsIgnoringCase(sent, "R") ||
          text::EqualsIgnoringCase(sent, "Q")) &&
         !text::EqualsIgnoringCase(text::TrimBlanks(qslSentVia), "E");
}

bool ContactFilter::Chosen(const adif::QsoRecord& qso) {
  const adif::FieldTable& fields = qso.fields;
  if (choice_.contacts == Contacts::ToSend) {
    if (fields.Generation() != generation_) {
      // Where the reader puts the tag's value: slots 1 to FieldCount only, so
      // that a name an earlier, longer dictionary left beyond them is not taken.
      sentViaSlot_ = fields.LookupFieldSlot("QSL_SENT_VIA");
      generation_ = fields.Generation();
    }
    if (!StillToSend(fields.FieldValue(fields.StandardSlot(adif::StandardField::QslSent)),
                     fields.FieldValue(sentViaSlot_))) {
      return false;
    }
  }
  return InRange(choice_, qso);
}

}  // namespace tavrilon::sending
