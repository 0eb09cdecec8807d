#include "callbook/StationRecord.h"

#include <array>
#include <cstdint>

#include "callbook/QrzDatabase.h"
#include "text/Text.h"

namespace tavrilon::callbook {

namespace {

constexpr std::array<int, 6> kRecordFields = {kQrzName,  kQrzStreet,     kQrzTown,
                                              kQrzState, kQrzPostalCode, kQrzAttention};

void AppendField(std::string_view value, std::string& record) {
  value = text::TrimBlanks(value);
  // Nothing longer is ever read out of the index than a buffer holds.
  value = value.substr(0, text::ValidUtf8Prefix(value.substr(0, kQrzBufferCapacity)));
  record.push_back(static_cast<char>(value.size() & 0xFF));
  record.push_back(static_cast<char>(value.size() >> 8));
  record.append(value);
}

}  // namespace

void AppendRecord(const StationFields& station, std::string& record) {
  for (const std::string_view value : {station.name, station.street, station.town, station.state,
                                       station.postalCode, station.attention}) {
    AppendField(value, record);
  }
}

void AppendWord(std::string_view word, std::string& text) {
  if (word.empty()) {
    return;
  }
  if (!text.empty()) {
    text.push_back(' ');
  }
  text.append(word);
}

std::string_view RecordField(std::string_view record, int field) {
  for (const int here : kRecordFields) {
    if (record.size() < 2) {
      return {};
    }
    const std::size_t size = static_cast<unsigned char>(record[0]) +
                             (std::size_t{static_cast<unsigned char>(record[1])} << 8);
    record.remove_prefix(2);
    if (size > record.size()) {
      return {};
    }
    if (here == field) {
      return record.substr(0, size);
    }
    record.remove_prefix(size);
  }
  return {};
}

}  // namespace tavrilon::callbook
