#pragma once

#include <string>

namespace tavrilon::callbook {

// A station's postal address as the callbook holds it.
struct StationAddress {
  std::string name;
  std::string street;
  std::string town;
  std::string state;
  std::string postalCode;
  std::string attention;  // "c/o ...", where the licence files have one

  bool operator==(const StationAddress&) const = default;
};

}  // namespace tavrilon::callbook
