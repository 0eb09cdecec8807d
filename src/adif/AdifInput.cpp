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

bool AdifInput::ReadLine(std::string& line) {
  if (restOfLine_.empty()) {
    return file_.ReadLine(line);
  }
  line.swap(restOfLine_);
  restOfLine_.clear();
  return true;
}

bool AdifInput::ReadRecordText(std::string& text) {
  recordLine_ = file_.LineNumber();
  std::string& next = nextLine_;
  std::size_t end = EndOfFirstEor(text, 0);
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
    // Every line loses its trailing blanks before the next is joined, the
    // first too: where a record begins must not change its text.
    const std::size_t joined = text::TrimTrailingBlanks(text).size() + 1;
    text.resize(joined - 1);
    text += ' ';
    text += next;
    const std::string_view trimmed = text::TrimBlanks(text);
    const auto lead = static_cast<std::size_t>(trimmed.data() - text.data());
    text.resize(lead + trimmed.size());
    text.erase(0, lead);
    end = EndOfFirstEor(text, joined > lead ? joined - lead : 0);
  }
  recordLine_ = 0;
  if (!text::TrimBlanks(std::string_view(text).substr(end)).empty()) {
    restOfLine_.assign(text, end);
    text.resize(end);
  }
  return true;
}

const QsoRecord* AdifInput::NextRecord() {
  while (line_.empty()) {
    const bool counted = !restOfLine_.empty();  // its line was counted whole
    if (!ReadLine(line_)) {
      return nullptr;
    }
    if (!counted) {
      charsRead_ += Chars(line_);
    }
  }
  if (!ReadRecordText(line_)) {
    return nullptr;  // the file ended inside a record: no contact
  }
  record_.dateNumber = ParseQsoRecord(line_, fields_);
  recordText_.swap(line_);
  line_.clear();  // the table keeps its own copy of the record
  return &record_;
}

const QsoRecord* AdifInput::TakeRecord(std::string_view recordText) {
  record_.dateNumber = ParseQsoRecord(recordText, fields_);
  return &record_;
}

}  // namespace tavrilon::adif
