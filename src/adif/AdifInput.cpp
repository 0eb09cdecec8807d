#include "adif/AdifInput.h"

#include <algorithm>
#include <cstring>

#include "adif/QsoParser.h"
#include "text/Text.h"

namespace tavrilon::adif {

namespace {

bool EndsWithTag(std::string_view line, std::string_view tag) {
  return text::EndsWithIgnoringCase(text::TrimTrailingBlanks(line), tag);
}

std::int64_t Chars(std::string_view s) {
  return static_cast<std::int64_t>(text::CharCount(s));
}

// Where the first <EOR> at or after `from` ends; npos when there is none.
// Every tag of every record passes here, so the test is written out.
std::size_t EndOfFirstEor(std::string_view text, std::size_t from) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* at = begin + std::min(from, text.size());
  while (end - at >= 5) {
    at = static_cast<const char*>(std::memchr(at, '<', static_cast<std::size_t>(end - at - 4)));
    if (at == nullptr) {
      break;
    }
    if (at[4] == '>' && text::AsciiUpper(at[1]) == 'E' && text::AsciiUpper(at[2]) == 'O' &&
        text::AsciiUpper(at[3]) == 'R') {
      return static_cast<std::size_t>(at - begin) + 5;
    }
    ++at;
  }
  return std::string_view::npos;
}

// Joins the next line of a record onto its text: one blank between, the
// blanks around the whole removed. Blank lines and header lines before a
// record are no record text: when `next` is the record's first line, the
// blanks after it stay, as they do after every first line. Answers where
// `next`'s part begins.
std::size_t JoinLine(std::string& text, std::string_view next, bool first) {
  const std::size_t joined = text.size() + 1;
  text += ' ';
  text += next;
  // Written out: a log of a field per line passes here for every field.
  while (!first && !text.empty() && text.back() == ' ') {
    text.pop_back();
  }
  std::size_t lead = 0;
  while (lead < text.size() && text[lead] == ' ') {
    ++lead;
  }
  if (lead != 0) {
    text.erase(0, lead);
  }
  return joined > lead ? joined - lead : 0;
}

// A line as the reader hands it on: UTF-8 as it stands, else Windows-1252.
std::string_view DecodedLine(std::string_view bytes, std::string& scratch) {
  if (text::IsValidUtf8(bytes)) {
    return bytes;
  }
  scratch.clear();
  text::AppendWindows1252AsUtf8(bytes, scratch);
  return scratch;
}

}  // namespace

AdifInput::AdifInput(std::filesystem::path dictionaryFile, std::size_t recordLimit)
    : dictionaryFile_(std::move(dictionaryFile)), file_(recordLimit) {}

bool AdifInput::LogFileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

InputStatus AdifInput::Open(const std::filesystem::path& log) {
  std::string error;
  line_.clear();
  charsRead_ = 0;
  logPath_ = log;
  restOfLine_.clear();
  recordBytes_ = {};
  firstRecord_ = true;
  recordLine_ = 0;
  recordTooLong_ = false;
  if (!file_.Open(log, error)) {
    return {InputProblem::CannotRead, error};
  }
  return {};
}

void AdifInput::Close() {
  file_.Close();
}

int ReadProgress::Percent() const {
  if (fileLength <= 0) {
    return 0;
  }
  return static_cast<int>(std::clamp<std::int64_t>(charsRead * 100 / fileLength, 0, 100));
}

InputStatus AdifInput::LoadDictionary() {
  switch (LoadFieldDictionary(dictionaryFile_, fields_, dictionaryFault_)) {
    case DictionaryLoad::Loaded:
      dictionaryFault_.clear();
      break;
    case DictionaryLoad::Missing:
      dictionaryFault_.clear();
      return {InputProblem::DictionaryMissing, dictionaryFile_.string()};
    case DictionaryLoad::Unusable:
      return {InputProblem::DictionaryMissing, dictionaryFault_};
  }
  return {};
}

InputStatus AdifInput::ReadStatus() const {
  if (recordTooLong_ || file_.LineTooLong()) {
    const std::int64_t line = recordLine_ != 0 ? recordLine_ : file_.LineNumber();
    return {InputProblem::CannotRead, "the record that begins on line " + std::to_string(line) +
                                          " of " + logPath_.string() + " is longer than " +
                                          text::SizeText(file_.LineLimit()) +
                                          "; no log holds records that long"};
  }
  if (file_.Failed()) {
    return {InputProblem::CannotRead, file_.Error()};
  }
  return {};
}

InputStatus AdifInput::StartAdifInput() {
  while (!EndsWithTag(line_, "<EOH>")) {
    if (!file_.ReadLine(line_)) {
      // No <EOH> anywhere: the log has no header.
      if (file_.Failed()) {
        return ReadStatus();
      }
      if (!file_.Rewind()) {
        return {InputProblem::CannotRead, "cannot go back to the start of the log"};
      }
      line_.clear();
      charsRead_ = 0;
      break;
    }
    charsRead_ += Chars(line_);
  }
  if (InputStatus status = LoadDictionary(); !status.Ok()) {
    return status;
  }
  if (text::AsciiUpper(line_) == "<EOH>") {
    line_.clear();
  }
  fields_.ComputeStandardFieldSlots();
  return {};
}

InputStatus AdifInput::SkipToFirstRecord() {
  line_.clear();
  if (file_.AtEnd()) {
    return ReadStatus();
  }
  while (file_.ReadLine(line_)) {
    if (!text::TrimBlanks(line_).empty() && !EndsWithTag(line_, "<EOH>") &&
        text::TrimLeadingBlanks(line_).starts_with('<')) {
      charsRead_ += Chars(line_);
      break;
    }
    line_.clear();
  }
  if (InputStatus status = LoadDictionary(); !status.Ok()) {
    return status;
  }
  fields_.ComputeStandardFieldSlots();
  return ReadStatus();
}

bool AdifInput::ReadRecordText(std::string& text) {
  recordLine_ = file_.LineNumber();
  std::size_t end = EndOfFirstEor(text, 0);
  const bool oneLine = end != std::string::npos;
  // Whether the record's first line has come: not while the lines are blank
  // or the header's (the label runs' skip keeps the header's last line).
  bool begun =
      oneLine || (!(firstRecord_ && EndsWithTag(text, "<EOH>")) && !text::TrimBlanks(text).empty());
  if (begun) {
    file_.Keep();  // from the start of the line, or where the last record ended on it
  }
  std::string& next = nextLine_;
  while (end == std::string::npos) {
    if (!file_.ReadLine(next)) {
      text.clear();
      return false;
    }
    if (text.size() + 1 + next.size() > file_.LineLimit()) {
      recordTooLong_ = true;
      std::string().swap(text);  // both give their memory back
      std::string().swap(next);
      return false;
    }
    // Joined first: the search must see the text as it is after the join
    // (its buffer may move), whatever order the arguments are taken in.
    const std::size_t joined = JoinLine(text, next, !begun);
    end = EndOfFirstEor(text, joined);
    const bool header = end == std::string::npos && firstRecord_ && EndsWithTag(next, "<EOH>");
    begun = !header && (begun || !text::TrimBlanks(next).empty());
    if (begun) {
      file_.Keep();
    } else {
      file_.Forget();
    }
  }
  recordLine_ = 0;
  firstRecord_ = false;
  if (!text::TrimBlanks(std::string_view(text).substr(end)).empty()) {
    restOfLine_.assign(text, end);
    text.resize(end);
  }
  // The bytes hold the tags where the text holds them, unless the line was
  // converted or joined: then the line that holds the <EOR> is searched.
  const std::string_view kept = file_.Kept();
  const std::size_t bytesEnd = oneLine && !file_.LineConverted()
                                   ? end
                                   : EndOfFirstEor(kept, oneLine ? 0 : file_.LineOffset());
  recordBytes_ = file_.Take(std::min(bytesEnd, kept.size()));
  return true;
}

const QsoRecord* AdifInput::NextRecord() {
  while (line_.empty()) {
    if (!file_.ReadLine(line_)) {
      return nullptr;
    }
    charsRead_ += Chars(line_);
  }
  if (!ReadRecordText(line_)) {
    return nullptr;  // the file ended inside a record: no contact
  }
  record_.dateNumber = ParseQsoRecord(line_, fields_, record_.dateUnreadable);
  // What follows the <EOR> on its line begins the next record; the table
  // keeps its own copy of this one.
  line_.swap(restOfLine_);
  restOfLine_.clear();
  return &record_;
}

const QsoRecord* AdifInput::TakeRecord(std::string_view recordBytes) {
  const bool oneLine = std::memchr(recordBytes.data(), '\n', recordBytes.size()) == nullptr &&
                       std::memchr(recordBytes.data(), '\r', recordBytes.size()) == nullptr;
  if (oneLine && text::IsValidUtf8(recordBytes)) {
    record_.dateNumber = ParseQsoRecord(recordBytes, fields_, record_.dateUnreadable);
    return &record_;
  }
  takenText_.clear();
  std::string scratch;
  bool first = true;
  bool begun = false;
  for (std::size_t at = 0; at <= recordBytes.size();) {
    const std::size_t stop = std::min(recordBytes.find_first_of("\r\n", at), recordBytes.size());
    const std::string_view line = DecodedLine(recordBytes.substr(at, stop - at), scratch);
    if (first) {
      takenText_.assign(line);
      first = false;
    } else {
      JoinLine(takenText_, line, !begun);
    }
    begun = begun || !text::TrimBlanks(line).empty();
    if (stop == recordBytes.size()) {
      break;
    }
    at = stop + (recordBytes.substr(stop, 2) == "\r\n" ? 2 : 1);
  }
  record_.dateNumber = ParseQsoRecord(takenText_, fields_, record_.dateUnreadable);
  return &record_;
}

}  // namespace tavrilon::adif
