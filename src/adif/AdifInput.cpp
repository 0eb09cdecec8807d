#include "adif/AdifInput.h"

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

}  // namespace

AdifInput::AdifInput(std::filesystem::path dictionaryFile)
    : dictionaryFile_(std::move(dictionaryFile)) {}

bool AdifInput::LogFileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

InputStatus AdifInput::Open(const std::filesystem::path& log) {
  std::string error;
  CurrentLine.clear();
  CharsRead = 0;
  lastPercent_ = -1;
  if (!file_.Open(log, error)) {
    LogFileLength = 0;
    return {InputProblem::CannotRead, error};
  }
  LogFileLength = file_.FileLength();
  return {};
}

void AdifInput::Close() {
  file_.Close();
}

InputStatus AdifInput::LoadDictionary() {
  if (!LoadFieldDictionary(dictionaryFile_, fields_)) {
    return {InputProblem::DictionaryMissing, dictionaryFile_.string()};
  }
  return {};
}

InputStatus AdifInput::EndStatus() const {
  if (file_.Failed()) {
    return {InputProblem::CannotRead, file_.Error()};
  }
  return {};
}

InputStatus AdifInput::StartAdifInput() {
  InputStatus status = SkipAdifHeader();
  if (status.Ok()) {
    fields_.ComputeStandardFieldSlots();
  }
  return status;
}

InputStatus AdifInput::SkipAdifHeader() {
  while (!EndsWithTag(CurrentLine, "<EOH>")) {
    if (!file_.ReadLine(CurrentLine)) {
      // No <EOH> anywhere: the log has no header.
      if (file_.Failed()) {
        return EndStatus();
      }
      if (!file_.Rewind()) {
        return {InputProblem::CannotRead, "cannot go back to the start of the log"};
      }
      CurrentLine.clear();
      CharsRead = 0;
      break;
    }
    CharsRead += Chars(CurrentLine);
  }
  if (InputStatus status = LoadDictionary(); !status.Ok()) {
    return status;
  }
  if (text::AsciiUpper(CurrentLine) == "<EOH>") {
    CurrentLine.clear();
  }
  return {};
}

InputStatus AdifInput::SkipToFirstRecord(std::string& firstLine) {
  firstLine.clear();
  std::string line;
  while (file_.ReadLine(line)) {
    if (!text::TrimBlanks(line).empty() && !EndsWithTag(line, "<EOH>") &&
        text::TrimLeadingBlanks(line).starts_with('<')) {
      firstLine.swap(line);
      break;
    }
  }
  if (InputStatus status = LoadDictionary(); !status.Ok()) {
    return status;
  }
  fields_.ComputeStandardFieldSlots();
  return EndStatus();
}

bool AdifInput::ReadRecordText(std::string& text) {
  if (text.empty()) {
    return true;
  }
  std::string& next = nextLine_;
  while (!EndsWithTag(text, "<EOR>")) {
    if (!file_.ReadLine(next)) {
      text.clear();
      return false;
    }
    text += ' ';
    text += next;
    const std::string_view trimmed = text::TrimBlanks(text);
    const auto lead = static_cast<std::size_t>(trimmed.data() - text.data());
    text.resize(lead + trimmed.size());
    text.erase(0, lead);
  }
  return true;
}

void AdifInput::ParseQsoRecord(std::string_view text) {
  QsoDateNumber = adif::ParseQsoRecord(text, fields_);
}

void AdifInput::ReportProgress(const ProgressSink& progress) {
  if (!progress || LogFileLength <= 0) {
    return;
  }
  const auto percent = static_cast<int>(CharsRead * 100 / LogFileLength);
  if (percent != lastPercent_) {
    lastPercent_ = percent;
    progress(percent);
  }
}

InputStatus AdifInput::ReadLabelRecords(const std::function<void()>& step,
                                        const ProgressSink& progress) {
  while (!file_.AtEnd()) {
    if (!CurrentLine.empty()) {
      if (!ReadRecordText(CurrentLine)) {
        break;  // the file ended inside a record: no contact
      }
      step();
      CurrentLine.clear();
    }
    if (!file_.ReadLine(CurrentLine)) {
      break;
    }
    CharsRead += Chars(CurrentLine);
    ReportProgress(progress);
  }
  // The last line of the file, when it is a whole record of its own.
  if (!CurrentLine.empty() && EndsWithTag(CurrentLine, "<EOR>")) {
    step();
    CurrentLine.clear();
  }
  return EndStatus();
}

InputStatus AdifInput::ReadLogbookRecords(const std::function<void(const std::string&)>& record,
                                          const ProgressSink& progress) {
  std::string text;
  bool headerPassed = false;
  while (!file_.AtEnd()) {
    if (!headerPassed) {
      if (InputStatus status = SkipToFirstRecord(text); !status.Ok()) {
        return status;
      }
      headerPassed = true;
    } else if (!file_.ReadLine(text)) {
      break;
    }
    if (!ReadRecordText(text)) {
      break;  // the file ended inside a record: dropped
    }
    if (!text.empty()) {
      record(text);
    }
    CharsRead += Chars(text);
    ReportProgress(progress);
  }
  return EndStatus();
}

}  // namespace tavrilon::adif
