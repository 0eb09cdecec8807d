#include "adif/NameIndex.h"

#include <algorithm>

#include "text/Text.h"

namespace tavrilon::adif {

void NameIndex::Clear() {
  for (Entry& e : entries_) {
    e.used = false;
  }
  used_ = 0;
  longest_ = 0;
}

void NameIndex::Reserve(std::size_t names) {
  while (entries_.size() < names * 2) {
    Grow();
  }
}

std::uint64_t NameIndex::Hash(std::string_view name) {
  std::uint64_t h = 1469598103934665603ULL;  // FNV-1a over the name in capitals
  for (char c : name) {
    h ^= static_cast<unsigned char>(text::AsciiUpper(c));
    h *= 1099511628211ULL;
  }
  return h;
}

std::size_t NameIndex::Probe(std::string_view name, std::uint64_t hash) const {
  const std::size_t mask = entries_.size() - 1;
  std::size_t i = static_cast<std::size_t>(hash) & mask;
  while (entries_[i].used && !text::EqualsIgnoringCase(entries_[i].upperName, name)) {
    i = (i + 1) & mask;
  }
  return i;
}

void NameIndex::Grow() {
  std::vector<Entry> old(entries_.size() * 2);
  old.swap(entries_);
  used_ = 0;
  for (Entry& e : old) {
    if (e.used) {
      Entry& slot = entries_[Probe(e.upperName, Hash(e.upperName))];
      slot = std::move(e);
      ++used_;
    }
  }
}

void NameIndex::Add(std::string_view name, std::size_t slot) {
  if ((used_ + 1) * 2 > entries_.size()) {
    Grow();
  }
  Entry& e = entries_[Probe(name, Hash(name))];
  if (!e.used) {
    e.upperName = text::AsciiUpper(name);
    e.slot = slot;
    e.used = true;
    ++used_;
    longest_ = std::max(longest_, name.size());
  }
}

std::size_t NameIndex::Find(std::string_view name, std::size_t missing) const {
  if (name.size() > longest_) {
    return missing;
  }
  const Entry& e = entries_[Probe(name, Hash(name))];
  return e.used ? e.slot : missing;
}

}  // namespace tavrilon::adif
