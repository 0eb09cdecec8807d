#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::adif {

// Field names to slot numbers, compared in capitals. The first name added
// wins, as a search from the lowest slot would. Open addressing keeps a
// lookup per tag free of allocation.
class NameIndex {
 public:
  void Clear();
  void Reserve(std::size_t names);
  // Keeps the slot already held for the same name.
  void Add(std::string_view name, std::size_t slot);
  // The slot of the name, or `missing`.
  std::size_t Find(std::string_view name, std::size_t missing) const;

 private:
  struct Entry {
    std::string upperName;
    std::size_t slot = 0;
    bool used = false;
  };
  // Both take the name already in capitals.
  static std::uint64_t Hash(std::string_view upperName);
  std::size_t Probe(std::string_view upperName) const;
  void Grow();

  std::vector<Entry> entries_ = std::vector<Entry>(16);
  std::size_t used_ = 0;
  // No longer name can match, so it is answered without hashing it.
  std::size_t longest_ = 0;
};

}  // namespace tavrilon::adif
