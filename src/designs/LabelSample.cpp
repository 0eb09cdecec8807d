#include "designs/LabelSample.h"

#include "text/Text.h"

namespace tavrilon::designs {

namespace {

std::string_view CallOf(const adif::FieldTable& fields) {
  return text::TrimBlanks(fields.StandardValue(adif::StandardField::Call));
}

}  // namespace

bool SharesFirstLabel(const std::vector<adif::FieldTable>& taken, const adif::FieldTable& next) {
  return taken.empty() || (taken.size() < kMostViewLines && CallOf(next) == CallOf(taken[0]));
}

std::optional<LabelSample> BracketSample(const std::filesystem::path& dictionary,
                                         std::string& fault) {
  adif::FieldTable fields;
  switch (adif::LoadFieldDictionary(dictionary, fields, fault)) {
    case adif::DictionaryLoad::Loaded:
      break;
    case adif::DictionaryLoad::Missing:
      fault = adif::DictionaryStopText("");
      return std::nullopt;
    case adif::DictionaryLoad::Unusable:
      return std::nullopt;
  }
  fields.ComputeStandardFieldSlots();
  // Slot 0 names no field: its line is the dictionary's note.
  for (std::size_t slot = 1; slot < fields.FieldCount(); ++slot) {
    if (!fields.Name(slot).empty()) {
      // Appended, not "[" + name + "]": GCC 12 warns wrongly of an overlap.
      std::string bracketed(1, '[');
      bracketed.append(fields.Name(slot)).append(1, ']');
      fields.SetValue(slot, bracketed);
    }
  }
  LabelSample sample;
  sample.contacts.push_back(std::move(fields));
  sample.repeated = true;
  return sample;
}

}  // namespace tavrilon::designs
