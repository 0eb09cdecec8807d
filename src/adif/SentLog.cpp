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

bool IsRecordEnd(std::string_view record, std::size_t lt) {
  return text::EqualsIgnoringCase(record.substr(lt, 5), "<EOR>");
}

// The colon and ">" of a tag written "<" name ":" ... ">", with no "<" or
// ">" between; false for any other shape, which the reader does not take
// as a field either.
bool FindTagParts(std::string_view record, std::size_t lt, std::size_t& colon, std::size_t& gt) {
  colon = record.find_first_of(":<>", lt + 1);
  if (colon == std::string_view::npos || record[colon] != ':') {
    return false;
  }
  gt = record.find_first_of("<>", colon + 1);
  return gt != std::string_view::npos && record[gt] == '>';
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
  std::size_t copied = 0;
  std::size_t lt = record.find('<');
  while (lt != std::string_view::npos && !IsRecordEnd(record, lt)) {
    std::size_t colon = 0;
    std::size_t gt = 0;
    if (!FindTagParts(record, lt, colon, gt)) {
      lt = record.find('<', lt + 1);
      continue;
    }
    const std::size_t valueEnd = std::min(record.find('<', gt + 1), record.size());
    const std::string_view name = record.substr(lt + 1, colon - lt - 1);
    for (std::size_t i = 0; i < markCount; ++i) {
      if (text::EqualsIgnoringCase(name, marks[i].name)) {
        const std::string_view value = record.substr(gt + 1, valueEnd - gt - 1);
        out.append(record, copied, lt - copied);
        AppendField(out, marks[i].name, marks[i].value);
        out.append(value.substr(text::TrimTrailingBlanks(value).size()));
        copied = valueEnd;
        marks[i].placed = true;
        break;
      }
    }
    lt = valueEnd < record.size() ? valueEnd : std::string_view::npos;
  }
  const std::size_t end = std::min(lt, record.size());
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
