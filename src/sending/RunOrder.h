#pragma once

#include <optional>
#include <string_view>

namespace tavrilon::sending {

// The order in which a label run prints its contacts.
enum class RunOrder {
  File,    // as the log holds them
  Call,    // by the station's call, the file's order kept among equals
  Bureau,  // by the destination's country, then its call, then date and time
};

// "file", "call", "bureau" (the batch's words), in any case.
std::optional<RunOrder> RunOrderOf(std::string_view word);
std::string_view RunOrderWord(RunOrder order);
// As "SortFile" stores it: 0, 1, 2. Anything else stored is File.
RunOrder RunOrderOfStored(std::string_view stored);
std::string_view StoredRunOrder(RunOrder order);

}  // namespace tavrilon::sending
