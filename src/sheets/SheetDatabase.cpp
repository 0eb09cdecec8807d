#include "sheets/SheetDatabase.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <utility>

#include "sheets/LabelStocks.h"
#include "sheets/SheetCatalogue.h"
#include "text/Text.h"

namespace tavrilon::sheets {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// In any case, and numbers by their value, so that "Avery 5160" comes
// before "Avery 15160" and "L7160" before "l7161".
int CompareNatural(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const auto digits = [](std::string_view s, std::size_t& at) {
        while (at + 1 < s.size() && s[at] == '0' && IsDigit(s[at + 1])) {
          ++at;
        }
        const std::size_t first = at;
        while (at < s.size() && IsDigit(s[at])) {
          ++at;
        }
        return s.substr(first, at - first);
      };
      const std::string_view x = digits(a, i);
      const std::string_view y = digits(b, j);
      if (x.size() != y.size()) {
        return x.size() < y.size() ? -1 : 1;
      }
      if (const int c = x.compare(y); c != 0) {
        return c;
      }
      continue;
    }
    const auto x = static_cast<unsigned char>(text::AsciiUpper(a[i++]));
    const auto y = static_cast<unsigned char>(text::AsciiUpper(b[j++]));
    if (x != y) {
      return x < y ? -1 : 1;
    }
  }
  return (i < a.size()) - (j < b.size());
}

bool NaturalOrder(const DatabaseSheet& a, const DatabaseSheet& b) {
  if (const int c = CompareNatural(a.brand, b.brand); c != 0) {
    return c < 0;
  }
  if (const int c = CompareNatural(a.part, b.part); c != 0) {
    return c < 0;
  }
  return std::tie(a.brand, a.part) < std::tie(b.brand, b.part);
}

// Up to `places` decimals, without trailing zeros: "2.7559", "0", "70".
std::string Decimals(double value, int places) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places);
  std::string number(buffer, end.ptr);
  if (number.find('.') != std::string::npos) {
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') {
      number.pop_back();
    }
  }
  return number == "-0" ? "0" : number;
}

// The label's size as the file gives it, but in millimetres (inches on US
// paper) where the file counts points, which no one measures a label in.
std::string ShownSize(const DatabaseSheet& sheet) {
  if (sheet.sizeText.find("pt") == std::string::npos) {
    return sheet.sizeText;
  }
  const bool us = sheet.sheet.paper && sheet.sheet.paper->name.starts_with("US-");
  const double scale = us ? 1 : 25.4;
  const int places = us ? 3 : 1;
  return Decimals(sheet.sheet.labelWidth * scale, places) + " x " +
         Decimals(sheet.sheet.labelHeight * scale, places) + (us ? " in" : " mm");
}

std::string PaperName(const DatabaseSheet& sheet) {
  return sheet.sheet.paper ? sheet.sheet.paper->name : std::string();
}

std::string Compact(std::string_view s) {
  std::string compact(s);
  std::erase(compact, ' ');
  return compact;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string Haystack(const DatabaseSheet& sheet) {
  const std::string shown = ShownSize(sheet);
  std::string haystack;
  for (const std::string& part :
       {sheet.brand, sheet.part, PaperName(sheet), sheet.sizeText, Compact(sheet.sizeText), shown,
        Compact(shown), sheet.description}) {
    haystack.append(text::AsciiUpper(part)).push_back('\n');
  }
  return haystack;
}

}  // namespace

SheetDatabase::SheetDatabase(std::vector<DatabaseSheet> sheets) : sheets_(std::move(sheets)) {
  std::sort(sheets_.begin(), sheets_.end(), NaturalOrder);
  haystacks_.reserve(sheets_.size());
  for (const DatabaseSheet& sheet : sheets_) {
    haystacks_.push_back(Haystack(sheet));
  }
}

const DatabaseSheet* SheetDatabase::Find(std::string_view brandAndPart) const {
  const std::string_view wanted = text::TrimBlanks(brandAndPart);
  const auto found = std::find_if(sheets_.begin(), sheets_.end(), [wanted](const auto& sheet) {
    return text::EqualsIgnoringCase(sheet.sheet.name, wanted);
  });
  return found == sheets_.end() ? nullptr : &*found;
}

std::vector<const DatabaseSheet*> SheetDatabase::Search(std::string_view text) const {
  std::vector<std::string> words;
  for (std::size_t at = 0; at < text.size();) {
    const auto end =
        std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), IsSpace);
    const auto stop = static_cast<std::size_t>(end - text.begin());
    if (stop > at) {
      words.push_back(text::AsciiUpper(text.substr(at, stop - at)));
    }
    at = stop + 1;
  }
  std::vector<const DatabaseSheet*> found;
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    if (std::all_of(words.begin(), words.end(), [&](const std::string& word) {
          return haystacks_[i].find(word) != std::string::npos;
        })) {
      found.push_back(&sheets_[i]);
    }
  }
  return found;
}

std::string DatabaseSheetDescription(const DatabaseSheet& sheet) {
  const LabelSheet& s = sheet.sheet;
  std::string description = s.name + " - ";
  if (s.staggered.empty()) {
    description += "A: " + std::to_string(s.across) + "   D: " + std::to_string(s.down) +
                   "   HP: " + Decimals(s.horizontalPitch, 4) +
                   "   VP: " + Decimals(s.verticalPitch, 4) + "   TM: " + Decimals(s.topMargin, 4) +
                   "   LM: " + Decimals(s.leftMargin, 4) + "  ";
  } else {
    description += std::to_string(s.staggered.size()) + " labels";
  }
  description += " - " + ShownSize(sheet) + ", " + PaperName(sheet);
  if (!sheet.description.empty()) {
    description += ": " + sheet.description;
  }
  return description;
}

SheetDatabase CatalogueAsDatabase() {
  std::vector<DatabaseSheet> sheets;
  for (const std::string_view stock : kLabelStocks) {
    if (auto sheet = CatalogueSheet(stock)) {
      std::string size =
          Decimals(sheet->labelWidth, 3) + " x " + Decimals(sheet->labelHeight, 3) + " in";
      sheets.push_back({"", std::string(stock),
                        std::string(CatalogueDescription(stock).value_or("")), std::move(size),
                        std::move(*sheet)});
    }
  }
  return SheetDatabase(std::move(sheets));
}

std::string DatabaseSheetLine(const DatabaseSheet& sheet) {
  const LabelSheet& s = sheet.sheet;
  const std::string layout = s.staggered.empty()
                                 ? std::to_string(s.across) + " x " + std::to_string(s.down)
                                 : std::to_string(s.staggered.size()) + " labels";
  std::string line;
  for (const std::string& field :
       {sheet.brand, sheet.part, PaperName(sheet), ShownSize(sheet), layout}) {
    line.append(field).push_back('\t');
  }
  return line.append(sheet.description);
}

}  // namespace tavrilon::sheets
