#include "callbook/StationRecord.h"

#include "text/Text.h"

namespace tavrilon::callbook {

namespace {

// No address line is longer than a label could ever hold.
constexpr std::size_t kFieldCapacity = 256;

void AppendField(std::string_view value, std::string& record) {
  value = text::TrimBlanks(value);
  value = value.substr(0, text::ValidUtf8Prefix(value.substr(0, kFieldCapacity)));
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

StationAddress ReadRecord(std::string_view record) {
  StationAddress address;
  for (std::string* field : {&address.name, &address.street, &address.town, &address.state,
                             &address.postalCode, &address.attention}) {
    if (record.size() < 2) {
      break;
    }
    const std::size_t size = static_cast<unsigned char>(record[0]) +
                             (std::size_t{static_cast<unsigned char>(record[1])} << 8);
    record.remove_prefix(2);
    if (size > record.size()) {
      break;
    }
    field->assign(record.substr(0, size));
    record.remove_prefix(size);
  }
  return address;
}

}  // namespace tavrilon::callbook
