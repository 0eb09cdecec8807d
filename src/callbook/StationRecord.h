#pragma once

#include <string>
#include <string_view>

#include "callbook/StationAddress.h"

namespace tavrilon::callbook {

// A station as a data file gives it, before it is indexed.
struct StationFields {
  std::string_view call;
  std::string_view name;
  std::string_view street;
  std::string_view town;
  std::string_view state;
  std::string_view postalCode;
  std::string_view attention = {};  // "c/o ...": the US licence files have one
};

// The record the index keeps of a station: its fields without the call, in
// the order name, street, town, state, postal code, attention, each after
// its length.
void AppendRecord(const StationFields& station, std::string& record);

// Appends `word` to a name or address, after a blank when it is not the first.
void AppendWord(std::string_view word, std::string& text);

// The address a record holds; the fields past where a record is cut short
// stay empty.
StationAddress ReadRecord(std::string_view record);

}  // namespace tavrilon::callbook
