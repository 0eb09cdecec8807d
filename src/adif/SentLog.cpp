#include "adif/SentLog.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <utility>

#include "text/Text.h"

namespace tavrilon::adif {

namespace {

std::string UtcText(std::chrono::system_clock::time_point when, const char* format) {
  const std::time_t time = std::chrono::system_clock::to_time_t(when);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char text[32];
  return {text, std::strftime(text, sizeof text, format, &utc)};
}

void AppendField(std::string& out, std::string_view name, std::string_view value) {
  out.append(1, '<').append(name).append(1, ':').append(std::to_string(value.size()));
  out.append(1, '>').append(value);
}

// Where the record's last <EOR> begins; the size when it has none.
std::size_t RecordEnd(std::string_view record) {
  for (std::size_t at = record.size(); at >= 5; --at) {
    if (text::EqualsIgnoringCase(record.substr(at - 5, 5), "<EOR>")) {
      return at - 5;
    }
  }
  return record.size();
}

struct Field {
  std::string_view name;
  std::size_t valueEnd = 0;
};

// A field as a logger reads it at the "<" `lt`: "<" name ":" length, an
// optional ":" type, ">", then as many bytes as the length says (no further
// than `end`). False for any other shape, which is no field.
bool ReadField(std::string_view record, std::size_t lt, std::size_t end, Field& field) {
  const std::size_t colon = record.find_first_of(":<>", lt + 1);
  if (colon == std::string_view::npos || record[colon] != ':' || colon == lt + 1) {
    return false;
  }
  std::size_t at = colon + 1;
  std::size_t length = 0;
  for (; at < end && record[at] >= '0' && record[at] <= '9'; ++at) {
    length = std::min(length * 10 + static_cast<std::size_t>(record[at] - '0'), record.size());
  }
  if (at == colon + 1) {
    return false;
  }
  if (at < end && record[at] == ':') {
    at = record.find_first_of("<>", at + 1);
  }
  if (at >= end || record[at] != '>') {
    return false;
  }
  field.name = record.substr(lt + 1, colon - lt - 1);
  field.valueEnd = std::min(at + 1 + length, end);
  return true;
}

}  // namespace

std::string UtcAdifDate(std::chrono::system_clock::time_point when) {
  return UtcText(when, "%Y%m%d");
}

std::string MarkRecordSent(std::string_view record, std::string_view day, bool bureau) {
  struct Mark {
    std::string_view name;
    std::string_view value;
    bool placed = false;
  };
  std::array<Mark, 3> marks{{{"QSL_SENT", "Y"}, {"QSLSDATE", day}, {"QSL_SENT_VIA", "B"}}};
  const std::size_t markCount = bureau ? 3 : 2;

  std::string out;
  out.reserve(record.size() + 64);
  const std::size_t end = RecordEnd(record);
  std::size_t copied = 0;
  for (std::size_t lt = record.find('<'); lt < end; lt = record.find('<', lt)) {
    Field field;
    if (!ReadField(record, lt, end, field)) {
      ++lt;
      continue;
    }
    for (std::size_t i = 0; i < markCount; ++i) {
      if (text::EqualsIgnoringCase(field.name, marks[i].name)) {
        out.append(record, copied, lt - copied);
        AppendField(out, marks[i].name, marks[i].value);
        copied = field.valueEnd;
        marks[i].placed = true;
        break;
      }
    }
    lt = field.valueEnd;
  }
  out.append(record, copied, end - copied);
  for (std::size_t i = 0; i < markCount; ++i) {
    if (!marks[i].placed) {
      AppendField(out, marks[i].name, marks[i].value);
    }
  }
  out.append(record.substr(end));
  return out;
}

std::string SentLogHeader(std::string_view version, std::chrono::system_clock::time_point created) {
  std::string header = "QSL cards marked as sent by Tavrilon ";
  header.append(version).append("\r\n");
  const std::pair<std::string_view, std::string> fields[] = {
      {"ADIF_VER", "3.1.4"},
      {"PROGRAMID", "Tavrilon"},
      {"PROGRAMVERSION", std::string(version)},
      {"CREATED_TIMESTAMP", UtcText(created, "%Y%m%d %H%M%S")}};
  for (const auto& [name, value] : fields) {
    AppendField(header, name, value);
    header.append("\r\n");
  }
  header.append("<EOH>\r\n");
  return header;
}

}  // namespace tavrilon::adif
