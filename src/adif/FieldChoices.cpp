#include "adif/FieldChoices.h"

#include "adif/FieldTable.h"
#include "text/Text.h"

namespace tavrilon::adif {

std::optional<std::vector<std::string>> ReadFieldChoices(
    const std::filesystem::path& dictionaryFile, std::string& fault) {
  std::vector<std::string> lines;
  switch (ReadDictionaryLines(dictionaryFile, lines, fault)) {
    case DictionaryLoad::Loaded:
      break;
    case DictionaryLoad::Missing:
      fault = DictionaryStopText("");
      return std::nullopt;
    case DictionaryLoad::Unusable:
      return std::nullopt;
  }
  std::vector<std::string> choices;
  for (std::size_t line = 1; line < lines.size(); ++line) {  // line 1 is the note
    if (!text::TrimBlanks(lines[line]).empty()) {
      choices.push_back(std::move(lines[line]));
    }
  }
  return choices;
}

}  // namespace tavrilon::adif
