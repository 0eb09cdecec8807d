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

std::optional<LabelSample> ReadFirstLabel(adif::AdifInput& input, const std::filesystem::path& log,
                                          std::string& fault) {
  adif::InputStatus status = input.Open(log);
  if (status.Ok()) {
    status = input.StartAdifInput();
  }
  LabelSample sample;
  while (status.Ok()) {
    const adif::QsoRecord* qso = input.NextRecord();
    if (qso == nullptr || !SharesFirstLabel(sample.contacts, qso->fields)) {
      status = input.ReadStatus();
      break;
    }
    sample.contacts.push_back(qso->fields);
  }
  input.Close();
  if (status.problem == adif::InputProblem::DictionaryMissing) {
    fault = adif::DictionaryStopText(input.DictionaryFault());
    return std::nullopt;
  }
  if (!status.Ok()) {
    fault = "The label file cannot be read: " + status.detail;
    return std::nullopt;
  }
  return sample;
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

ShownSample ChooseLabelSample(const std::filesystem::path& dictionary, const std::string& log) {
  ShownSample shown;
  std::string fault =
      "No label input file is chosen, so field names in brackets stand for a contact's values.";
  if (!log.empty()) {
    // A reader of its own: a run may be using the program's.
    adif::AdifInput reader(dictionary);
    auto sample = ReadFirstLabel(reader, log, fault);
    if (sample && !sample->contacts.empty()) {
      return {std::move(*sample), "The first label of " + log + "."};
    }
    if (sample) {
      fault = log + " holds no contacts, so field names in brackets stand for a contact's values.";
    }
  }
  std::string dictionaryFault;
  auto sample = BracketSample(dictionary, dictionaryFault);
  if (!sample) {
    return {{}, dictionaryFault};
  }
  return {std::move(*sample), fault};
}

}  // namespace tavrilon::designs
