// Any bytes as a country file: either a table or a failure that names the
// file, never both; a table finds a call as written in any case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "countries/CountryTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto load = tavrilon::countries::ParseCountryFile(input, "fuzz.dat");
  Check(load.table.has_value() == load.failure.empty());
  if (!load.table) {
    Check(load.failure.starts_with("The country file fuzz.dat cannot be used: "));
    return 0;
  }
  const tavrilon::countries::CountryTable& table = *load.table;
  Check(table.Size() > 0);
  for (std::size_t i = 0; i < table.Size(); ++i) {
    Check(!table.At(i).name.empty() && !table.At(i).primaryPrefix.starts_with('*'));
  }
  // The last bytes as a call, and the same in small letters.
  const std::string call(input.substr(size > 12 ? size - 12 : 0));
  std::string lower = call;
  for (char& c : lower) {
    c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  Check(table.Find(call) == table.Find(lower));
  return 0;
}
