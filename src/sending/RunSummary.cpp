#include "sending/RunSummary.h"

namespace tavrilon::sending {

namespace {

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

void RunSummary::Printed(const Destination& destination, const countries::Country* country) {
  ++printed_;
  stations_.insert(destination.call);
  if (countCountries_ && country != nullptr) {
    countries_.insert(country);
  }
  if (destination.viaManager) {
    ++viaManager_;
  }
}

std::string RunSummary::ChosenText(const std::string& choice) const {
  std::string out = std::to_string(printed_) + " of " + Counted(read_, "contact", "contacts");
  if (!choice.empty()) {
    out += " (" + choice + ")";
  }
  return out;
}

std::string RunSummary::PrintedText() const {
  return Counted(printed_, "contact", "contacts") + ", " + WhereText();
}

std::string RunSummary::WhereText() const {
  std::string out = Counted(stations_.size(), "station", "stations");
  if (countCountries_) {
    out += ", " + Counted(countries_.size(), "country", "countries");
  }
  return out + ", " + std::to_string(viaManager_) + " via a manager";
}

}  // namespace tavrilon::sending
