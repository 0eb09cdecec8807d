#include "adif/NameIndex.h"

#include <algorithm>
#include <cstring>

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

namespace {

std::uint64_t LoadWord(const char* p, std::size_t n) {
  std::uint64_t word = 0;
  std::memcpy(&word, p, std::min<std::size_t>(n, 8));
  return word;
}

// Eight ASCII letters to capitals at once; other bytes stay as they are.
std::uint64_t UpperWord(std::uint64_t w) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  const std::uint64_t low7 = w & (0x7F * kOnes);
  const std::uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
  const std::uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * kOnes;
  const std::uint64_t lower = atLeastA & ~aboveZ & ~w & (0x80 * kOnes);
  return w ^ (lower >> 2);
}

}  // namespace

std::uint64_t NameIndex::Hash(std::string_view upperName) {
  std::uint64_t h = upperName.size() * 0x9E3779B97F4A7C15ULL;
  for (std::size_t i = 0; i < upperName.size(); i += 8) {
    h = (h ^ LoadWord(upperName.data() + i, upperName.size() - i)) * 0xFF51AFD7ED558CCDULL;
    h ^= h >> 32;
  }
  return h;
}

std::size_t NameIndex::Probe(std::string_view upperName) const {
  const std::size_t mask = entries_.size() - 1;
  std::size_t i = static_cast<std::size_t>(Hash(upperName)) & mask;
  while (entries_[i].used && entries_[i].upperName != upperName) {
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
      entries_[Probe(e.upperName)] = std::move(e);
      ++used_;
    }
  }
}

void NameIndex::Add(std::string_view name, std::size_t slot) {
  if ((used_ + 1) * 2 > entries_.size()) {
    Grow();
  }
  std::string upperName = text::AsciiUpper(name);
  Entry& e = entries_[Probe(upperName)];
  if (!e.used) {
    e.upperName = std::move(upperName);
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
  // Tag names are short: put them in capitals without allocating.
  char small[64];
  std::string large;
  char* upper = small;
  if (name.size() > sizeof small) {
    large.resize(name.size());
    upper = large.data();
  }
  for (std::size_t i = 0; i < name.size(); i += 8) {
    const std::size_t n = std::min<std::size_t>(name.size() - i, 8);
    const std::uint64_t word = UpperWord(LoadWord(name.data() + i, n));
    std::memcpy(upper + i, &word, n);
  }
  const Entry& e = entries_[Probe(std::string_view(upper, name.size()))];
  return e.used ? e.slot : missing;
}

}  // namespace tavrilon::adif
