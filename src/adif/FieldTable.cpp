#include "adif/FieldTable.h"

#include "text/LineReader.h"
#include "text/Text.h"

namespace tavrilon::adif {

FieldTable::FieldTable()
    : names_(kMinimumSlots),
      values_(kMinimumSlots),
      ownedValues_(kMinimumSlots),
      isSet_(kMinimumSlots) {}

void FieldTable::LoadNames(const std::vector<std::string>& names) {
  // Views into the last record must not outlive it: keep them as copies.
  for (std::size_t slot = 0; slot < values_.size(); ++slot) {
    Own(slot);
  }
  const std::size_t slots = std::max(names_.size(), std::max(kMinimumSlots, names.size() + 1));
  names_.resize(slots);
  values_.resize(slots);
  ownedValues_.resize(slots);
  isSet_.resize(slots);
  for (std::size_t i = 0; i < names.size(); ++i) {
    names_[i] = names[i];
  }
  fieldCount_ = names.size();
  ++generation_;
  tagCache_.clear();

  findIndex_.Clear();
  findIndex_.Reserve(slots);
  for (std::size_t slot = 0; slot < slots; ++slot) {
    findIndex_.Add(names_[slot], slot);
  }
  lookupIndex_.Clear();
  lookupIndex_.Reserve(fieldCount_ + 1);
  for (std::size_t slot = 1; slot <= fieldCount_; ++slot) {
    lookupIndex_.Add(names_[slot], slot);
  }
  // Values from before this load are not the current record's.
  setSlots_.clear();
  for (std::size_t slot = 1; slot < isSet_.size(); ++slot) {
    isSet_[slot] = 0;
  }
  for (std::size_t slot = 1; slot <= fieldCount_; ++slot) {
    if (values_[slot].length != 0) {
      setSlots_.push_back(slot);
      isSet_[slot] = 1;
    }
  }
}

std::size_t FieldTable::LookupAndRememberTag(std::size_t position, std::string_view name) {
  const std::size_t slot = LookupFieldSlot(name);
  constexpr std::size_t kMostTags = 512;  // beyond that, records are not alike anyway
  if (position < kMostTags) {
    if (position >= tagCache_.size()) {
      tagCache_.resize(position + 1);
    }
    tagCache_[position] = {std::string(name), slot};
  }
  return slot;
}

void FieldTable::ComputeStandardFieldSlots() {
  for (std::size_t i = 0; i < kStandardFieldCount; ++i) {
    StandardFieldSlots[i] = FindFieldSlot(kStandardFieldNames[i]);
  }
}

std::string_view FieldTable::Value(std::size_t slot) const {
  const auto& v = values_[slot];
  if (v.owned) {
    return ownedValues_[slot];
  }
  return std::string_view(record_).substr(v.offset, v.length);
}

void FieldTable::Own(std::size_t slot) {
  auto& v = values_[slot];
  if (!v.owned) {
    ownedValues_[slot].assign(record_, v.offset, v.length);
    v = {0, ownedValues_[slot].size(), true};
  }
}

void FieldTable::BeginRecord(std::string_view text) {
  Own(0);
  for (std::size_t slot : setSlots_) {
    values_[slot] = {};
    isSet_[slot] = 0;
  }
  setSlots_.clear();
  record_.assign(text);
}

void FieldTable::SetValue(std::size_t slot, std::string_view value) {
  ownedValues_[slot].assign(value);
  values_[slot] = {0, value.size(), true};
  if (slot != 0 && slot <= fieldCount_ && !isSet_[slot]) {
    isSet_[slot] = 1;
    setSlots_.push_back(slot);
  }
}

DictionaryLoad ReadDictionaryLines(const std::filesystem::path& dictionaryFile,
                                   std::vector<std::string>& lines, std::string& fault) {
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(dictionaryFile, ec))) {
    return DictionaryLoad::Missing;
  }
  // The reader's errors name the file.
  text::LineReader reader;
  std::string error;
  if (!reader.Open(dictionaryFile, error)) {
    fault = "The field dictionary " + error;
    return DictionaryLoad::Unusable;
  }
  std::string line;
  while (reader.ReadLine(line)) {
    lines.push_back(line);
  }
  if (reader.Failed()) {
    fault = "The field dictionary " + reader.Error();
    return DictionaryLoad::Unusable;
  }
  return DictionaryLoad::Loaded;
}

DictionaryLoad LoadFieldDictionary(const std::filesystem::path& dictionaryFile, FieldTable& table,
                                   std::string& fault) {
  std::vector<std::string> names;
  if (const DictionaryLoad read = ReadDictionaryLines(dictionaryFile, names, fault);
      read != DictionaryLoad::Loaded) {
    return read;
  }
  for (std::string& name : names) {
    name = std::string(text::TrimBlanks(name));
  }
  // A run without these would report every contact empty as if all were well.
  FieldTable loaded;
  loaded.LoadNames(names);
  for (std::string_view needed : {"CALL", "QSO_DATE", "TIME_ON"}) {
    if (loaded.FindFieldSlot(needed) == 0) {
      fault = "The field dictionary " + dictionaryFile.string() +
              " does not name the fields CALL, QSO_DATE and TIME_ON, which every run needs.";
      return DictionaryLoad::Unusable;
    }
  }
  table.LoadNames(names);
  return DictionaryLoad::Loaded;
}

std::string DictionaryStopText(std::string_view fault) {
  std::string text(fault.empty() ? kDictionaryMissingLines[0] : fault);
  for (std::size_t i = 1; i < std::size(kDictionaryMissingLines); ++i) {
    text.append("\n").append(kDictionaryMissingLines[i]);
  }
  return text;
}

}  // namespace tavrilon::adif
