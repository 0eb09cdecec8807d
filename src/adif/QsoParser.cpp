#include "adif/QsoParser.h"

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

void Normalise(FieldTable& table, StandardField field, std::string (*format)(std::string_view)) {
  const std::size_t slot = table.StandardSlot(field);
  table.SetValue(slot, format(table.Value(slot)));
}

}  // namespace

std::int64_t ParseQsoRecord(std::string_view text, FieldTable& table) {
  table.BeginRecord(text);
  NextOf nextColon(text, ':');
  NextOf nextGt(text, '>');
  NextOf nextLtInValue(text, '<');
  std::size_t tagPosition = 0;
  for (std::size_t lt = text.find('<'); lt != std::string_view::npos; lt = text.find('<', lt + 1)) {
    if (IsEndTag(text, lt)) {
      continue;
    }
    const std::size_t colon = nextColon.From(lt);
    if (colon == std::string_view::npos) {
      continue;
    }
    const std::size_t slot =
        table.LookupTagSlot(tagPosition++, text.substr(lt + 1, colon - lt - 1));
    const std::size_t gt = nextGt.From(lt);
    if (gt == std::string_view::npos) {
      table.SetValueFromRecord(slot, 0, 0);
      continue;
    }
    const std::size_t valueEnd = std::min(nextLtInValue.From(gt + 1), text.size());
    table.SetValueFromRecord(slot, gt + 1, valueEnd - gt - 1);
  }

  Normalise(table, StandardField::TimeOn, FormatAdifTime);
  Normalise(table, StandardField::TimeOff, FormatAdifTime);
  const std::int64_t dateNumber = DateNumber(table.StandardValue(StandardField::QsoDate));
  Normalise(table, StandardField::QsoDate, FormatAdifDate);
  if (!table.StandardValue(StandardField::Freq).empty()) {
    Normalise(table, StandardField::Freq, CutFrequency);
  }
  return dateNumber;
}

}  // namespace tavrilon::adif
