#include "adif/QsoParser.h"

#include <algorithm>
#include <string>

#include "adif/QsoFormats.h"
#include "text/Text.h"

namespace tavrilon::adif {

namespace {

// The next position of one character at or after a position that only grows,
// remembered so that a record full of "<" without ":" stays linear.
class NextOf {
 public:
  NextOf(std::string_view text, char c) : text_(text), c_(c) {}
  std::size_t From(std::size_t pos) {
    if (!known_ || (found_ != std::string_view::npos && found_ < pos)) {
      found_ = text_.find(c_, pos);
      known_ = true;
    }
    return found_;
  }

 private:
  std::string_view text_;
  char c_;
  std::size_t found_ = 0;
  bool known_ = false;
};

bool IsEndTag(std::string_view text, std::size_t lt) {
  return lt + 3 < text.size() && text::AsciiUpper(text[lt + 1]) == 'E' &&
         text::AsciiUpper(text[lt + 2]) == 'O' && text::AsciiUpper(text[lt + 3]) == 'R';
}

// The common tag, "<" name ":" ... ">" with no "<" or ">" before its ">",
// found in one pass. Its colon and ">" are then the first after the "<", and
// the next "<" is the one that ends its value. Any other shape answers false
// and is taken apart by the general search.
bool ScanPlainTag(std::string_view text, std::size_t lt, std::size_t& colon, std::size_t& gt) {
  std::size_t i = lt + 1;
  for (; i < text.size() && text[i] != ':'; ++i) {
    if (text[i] == '<' || text[i] == '>') {
      return false;
    }
  }
  colon = i;
  for (++i; i < text.size(); ++i) {
    if (text[i] == '>') {
      gt = i;
      return true;
    }
    if (text[i] == '<') {
      return false;
    }
  }
  return false;
}

void Normalise(FieldTable& table, StandardField field, std::string (*format)(std::string_view)) {
  const std::size_t slot = table.StandardSlot(field);
  table.SetValue(slot, format(table.Value(slot)));
}

}  // namespace

std::int64_t ParseQsoRecord(std::string_view text, FieldTable& table) {
  bool dateUnreadable = false;
  return ParseQsoRecord(text, table, dateUnreadable);
}

std::int64_t ParseQsoRecord(std::string_view text, FieldTable& table, bool& dateUnreadable) {
  table.BeginRecord(text);
  NextOf nextColon(text, ':');
  NextOf nextGt(text, '>');
  NextOf nextLtInValue(text, '<');
  std::size_t tagPosition = 0;
  std::size_t lt = text.find('<');
  while (lt != std::string_view::npos) {
    if (IsEndTag(text, lt)) {
      lt = text.find('<', lt + 1);
      continue;
    }
    std::size_t colon = 0;
    std::size_t gt = 0;
    if (ScanPlainTag(text, lt, colon, gt)) {
      const std::size_t slot =
          table.LookupTagSlot(tagPosition++, text.substr(lt + 1, colon - lt - 1));
      const std::size_t valueEnd = std::min(text.find('<', gt + 1), text.size());
      table.SetValueFromRecord(slot, gt + 1, valueEnd - gt - 1);
      lt = valueEnd < text.size() ? valueEnd : std::string_view::npos;
      continue;
    }
    colon = nextColon.From(lt);
    if (colon != std::string_view::npos) {
      const std::size_t slot =
          table.LookupTagSlot(tagPosition++, text.substr(lt + 1, colon - lt - 1));
      gt = nextGt.From(lt);
      if (gt == std::string_view::npos) {
        table.SetValueFromRecord(slot, 0, 0);
      } else {
        const std::size_t valueEnd = std::min(nextLtInValue.From(gt + 1), text.size());
        table.SetValueFromRecord(slot, gt + 1, valueEnd - gt - 1);
      }
    }
    lt = text.find('<', lt + 1);
  }

  Normalise(table, StandardField::TimeOn, FormatAdifTime);
  Normalise(table, StandardField::TimeOff, FormatAdifTime);
  const std::string_view rawDate = table.StandardValue(StandardField::QsoDate);
  const std::int64_t dateNumber = DateNumber(rawDate);
  dateUnreadable = !rawDate.empty() && !IsAdifDate(rawDate);
  Normalise(table, StandardField::QsoDate, FormatAdifDate);
  if (!table.StandardValue(StandardField::Freq).empty()) {
    Normalise(table, StandardField::Freq, CutFrequency);
  }
  return dateNumber;
}

}  // namespace tavrilon::adif
