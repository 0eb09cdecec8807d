#include "batch/StocksCommand.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

#include "batch/ExitStatus.h"
#include "sheets/LabelStocks.h"
#include "sheets/SheetCatalogue.h"
#include "sheets/SheetDatabase.h"
#include "text/Text.h"

namespace tavrilon::batch {

namespace {

// Inches to three decimals, without trailing zeros, as the database's US
// sheets show theirs.
std::string Inches(double value) {
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  std::string number(buffer, end.ptr);
  number.erase(number.find_last_not_of('0') + 1);
  if (number.back() == '.') {
    number.pop_back();
  }
  return number;
}

// A catalogued stock's line in the database's columns, and the texts a search
// looks in.
struct CatalogueLine {
  std::string line;
  std::string haystack;  // in capitals
};

std::vector<CatalogueLine> CatalogueLines() {
  std::vector<CatalogueLine> lines;
  for (const std::string_view stock : sheets::kLabelStocks) {
    const auto sheet = sheets::CatalogueSheet(stock);
    if (!sheet) {
      continue;  // a custom sheet
    }
    const std::string fields[] = {
        std::string(stock), sheet->paper->name,
        Inches(sheet->labelWidth) + " x " + Inches(sheet->labelHeight) + " in",
        std::to_string(sheet->across) + " x " + std::to_string(sheet->down),
        std::string(sheets::CatalogueDescription(stock).value_or(""))};
    CatalogueLine line;
    for (const std::string& field : fields) {
      line.line.append("\t").append(field);
      line.haystack.append(text::AsciiUpper(field)).push_back('\n');
    }
    // "2.625x1in" finds it, as it finds a database sheet.
    std::string compact = fields[2];
    std::erase(compact, ' ');
    line.haystack.append(text::AsciiUpper(compact));
    lines.push_back(std::move(line));
  }
  return lines;
}

// Every word of `search`, in capitals, as the database's search takes them.
bool HoldsEveryWord(std::string_view haystack, std::string_view search) {
  const std::string words = text::AsciiUpper(search);
  for (std::size_t at = words.find_first_not_of(" \t\r\n"); at != std::string::npos;) {
    const std::size_t end = words.find_first_of(" \t\r\n", at);
    if (haystack.find(std::string_view(words).substr(at, end - at)) == std::string_view::npos) {
      return false;
    }
    at = words.find_first_not_of(" \t\r\n", end);
  }
  return true;
}

}  // namespace

int RunStocksCommand(const StocksOptions& options, Session& session) {
  bool any = false;
  for (const CatalogueLine& line : CatalogueLines()) {
    if (HoldsEveryWord(line.haystack, options.search)) {
      std::printf("%s\n", line.line.c_str());
      any = true;
    }
  }
  for (const sheets::DatabaseSheet* sheet :
       session.LabelSheets().Database().Search(options.search)) {
    std::printf("%s\n", sheets::DatabaseSheetLine(*sheet).c_str());
    any = true;
  }
  if (!any) {
    std::fprintf(stderr, "No label sheet matches \"%s\".\n", options.search.c_str());
  }
  return kExitOk;
}

}  // namespace tavrilon::batch
