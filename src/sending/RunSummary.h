#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>

#include "countries/CountryTable.h"
#include "sending/Destination.h"

namespace tavrilon::sending {

// What a label run sent where: told after the run.
class RunSummary {
 public:
  // The contacts of the file the run read, chosen or not.
  void SetContactsRead(std::size_t read) { read_ = read; }
  // A chosen contact printed for `destination`, in `country` (nothing when
  // not known or no country file was read).
  void Printed(const Destination& destination, const countries::Country* country);
  // Whether the countries are counted: a country file was read.
  void CountCountries(bool counted) { countCountries_ = counted; }

  std::size_t ContactsRead() const { return read_; }
  std::size_t ContactsPrinted() const { return printed_; }
  std::size_t Stations() const { return stations_.size(); }
  std::size_t Countries() const { return countries_.size(); }
  std::size_t ViaManager() const { return viaManager_; }

  // "15 of 40 contacts (cards still to send)"
  std::string ChosenText(const std::string& choice) const;
  // "15 contacts, 9 stations, 6 countries, 2 via a manager"; the countries
  // only when counted.
  std::string PrintedText() const;
  // The same without the contacts: "9 stations, 6 countries, 2 via a manager".
  std::string WhereText() const;

 private:
  std::size_t read_ = 0;
  std::size_t printed_ = 0;
  std::size_t viaManager_ = 0;
  bool countCountries_ = false;
  std::unordered_set<std::string> stations_;
  std::unordered_set<const countries::Country*> countries_;
};

}  // namespace tavrilon::sending
