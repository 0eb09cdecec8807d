#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "adif/FieldTable.h"

namespace tavrilon::designs {

// One label of a design, as the editor shows it and as a label run checks it
// before printing: the contacts of the log's first label, or one contact
// whose every field holds its own name in brackets.
struct LabelSample {
  std::vector<adif::FieldTable> contacts;
  bool repeated = false;  // the one contact stands for every line of the label
};

// A label holds at most this many contact lines in a view: a design asking
// for more would make a view nobody can read.
inline constexpr std::size_t kMostViewLines = 20;

// Whether `next` may go on the first label after `taken`: it has the first
// contact's call, and the view has room for it.
bool SharesFirstLabel(const std::vector<adif::FieldTable>& taken, const adif::FieldTable& next);

// The contact "[CALL]", "[QSO_DATE]" ... from the dictionary file; nothing,
// with `fault` saying why, when the dictionary cannot be read.
std::optional<LabelSample> BracketSample(const std::filesystem::path& dictionary,
                                         std::string& fault);

// The label the editor shows, and the note under it: where its contacts came
// from, or why not from the log.
struct ShownSample {
  LabelSample sample;
  std::string note;
};

}  // namespace tavrilon::designs
