#include "adif/FieldChoices.h"

#include "adif/FieldTable.h"
#include "text/LineReader.h"
#include "text/Text.h"

namespace tavrilon::adif {

std::optional<std::vector<std::string>> ReadFieldChoices(
    const std::filesystem::path& dictionaryFile, std::string& fault) {
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(dictionaryFile, ec))) {
    fault = DictionaryStopText("");
    return std::nullopt;
  }
  text::LineReader reader;
  std::string error;
  if (!reader.Open(dictionaryFile, error)) {
    fault = "The field dictionary " + error;
    return std::nullopt;
  }
  std::vector<std::string> choices;
  std::string line;
  for (bool note = true; reader.ReadLine(line); note = false) {
    if (!note && !text::TrimBlanks(line).empty()) {
      choices.push_back(line);
    }
  }
  if (reader.Failed()) {
    fault = "The field dictionary " + reader.Error();
    return std::nullopt;
  }
  return choices;
}

}  // namespace tavrilon::adif
