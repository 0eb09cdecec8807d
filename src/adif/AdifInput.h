#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "adif/FieldTable.h"
#include "text/LineReader.h"

namespace tavrilon::adif {

enum class InputProblem { None, DictionaryMissing, CannotRead };

// What went wrong with a read; `detail` carries the system's reason.
struct InputStatus {
  InputProblem problem = InputProblem::None;
  std::string detail;
  bool Ok() const { return problem == InputProblem::None; }
};

// Called with the progress percentage (0 to 100) whenever it changes.
using ProgressSink = std::function<void(int percent)>;

// The log reader: one log file open at a time, its line buffer and progress
// counters, the field table and the current contact. Held for the program's
// life by the session; a run opens a file, skips its header one of two ways,
// reads its records and closes it.
class AdifInput {
 public:
  // Bounds a line and a record text alike: a record is at least a line.
  static constexpr std::size_t kRecordLimit = text::LineReader::kLineLimit;

  explicit AdifInput(std::filesystem::path dictionaryFile, std::size_t recordLimit = kRecordLimit);

  // Anything at the path counts, a folder too: Open then says what it is.
  static bool LogFileExists(const std::filesystem::path& path);

  // Opens a log for reading by lines, takes LogFileLength and starts with an
  // empty CurrentLine and CharsRead 0.
  InputStatus Open(const std::filesystem::path& log);
  void Close();
  // The file has no lines left, nor text left after an <EOR>.
  bool AtEnd() { return restOfLine_.empty() && file_.AtEnd(); }
  // The text that followed an <EOR> on its line comes first, as a line.
  bool ReadLine(std::string& line);

  // The label runs' header skip: past the line that ends with <EOH>, then the
  // dictionary and the standard slots. A log without <EOH> is read from its
  // first line, as a log without a header.
  InputStatus StartAdifInput();
  InputStatus SkipAdifHeader();
  // The logbook's header skip: answers the first line that begins with "<"
  // and is not a header line (empty at the end of the file).
  InputStatus SkipToFirstRecord(std::string& firstLine);

  // Joins lines onto `text` until it holds <EOR>. The record ends at the
  // first one; any text after it, unless only blanks, is left for ReadLine.
  // False when the file ends first or the record grows past the limit: then
  // the text is no record and is emptied.
  bool ReadRecordText(std::string& text);

  void ParseQsoRecord(std::string_view text);

  // The label runs' record loop: `step` runs for each record in CurrentLine
  // (the step may parse it), and CurrentLine is emptied after it.
  InputStatus ReadLabelRecords(const std::function<void()>& step, const ProgressSink& progress);
  // The logbook's record loop, from the header skip on: `record` runs for
  // each non-empty record text.
  InputStatus ReadLogbookRecords(const std::function<void(const std::string&)>& record,
                                 const ProgressSink& progress);

  // Why the last load found the dictionary unusable; empty when it was
  // loaded or missing. The program ends over both (see DictionaryStopText).
  const std::string& DictionaryFault() const { return dictionaryFault_; }

  FieldTable& Fields() { return fields_; }
  const FieldTable& Fields() const { return fields_; }

  // The reader's shared state.
  std::string CurrentLine;
  std::int64_t CharsRead = 0;
  std::int64_t LogFileLength = 0;
  std::int64_t QsoDateNumber = 0;

 private:
  InputStatus LoadDictionary();
  InputStatus EndStatus() const;
  void ReportProgress(const ProgressSink& progress);

  std::filesystem::path dictionaryFile_;
  std::string dictionaryFault_;
  text::LineReader file_;
  FieldTable fields_;
  std::string nextLine_;  // kept to re-use its memory from record to record
  std::filesystem::path logPath_;
  std::string restOfLine_;
  std::int64_t recordLine_ = 0;  // where the record being joined began; 0 between records
  bool recordTooLong_ = false;
  int lastPercent_ = -1;
};

}  // namespace tavrilon::adif
