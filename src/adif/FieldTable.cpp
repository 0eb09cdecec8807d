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

bool LoadFieldDictionary(const std::filesystem::path& dictionaryFile, FieldTable& table) {
  text::LineReader reader;
  std::string error;
  if (!reader.Open(dictionaryFile, error)) {
    return false;
  }
  std::vector<std::string> names;
  std::string line;
  while (reader.ReadLine(line)) {
    names.emplace_back(text::TrimBlanks(line));
  }
  if (reader.Failed()) {
    return false;
  }
  table.LoadNames(names);
  return true;
}

}  // namespace tavrilon::adif
