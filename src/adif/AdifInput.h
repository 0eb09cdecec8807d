#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "adif/FieldTable.h"
#include "adif/QsoRecord.h"
#include "text/LineReader.h"

namespace tavrilon::adif {

enum class InputProblem { None, DictionaryMissing, CannotRead };

// What went wrong with a read; `detail` carries the system's reason.
struct InputStatus {
  InputProblem problem = InputProblem::None;
  std::string detail;
  bool Ok() const { return problem == InputProblem::None; }
};

// The log reader: one log file open at a time, its line buffer, the field
// table and the current contact. Held for the program's life by the session.
// A run opens a file, skips its header one of two ways, then takes the
// records one by one, each parsed, and closes the file:
//
//   Open -> StartAdifInput | SkipToFirstRecord -> NextRecord ... -> Close
//
// Nobody but the reader writes its state.
class AdifInput {
 public:
  // Bounds a line and a record text alike: a record is at least a line.
  static constexpr std::size_t kRecordLimit = text::LineReader::kLineLimit;

  explicit AdifInput(std::filesystem::path dictionaryFile, std::size_t recordLimit = kRecordLimit);

  // Anything at the path counts, a folder too: Open then says what it is.
  static bool LogFileExists(const std::filesystem::path& path);

  InputStatus Open(const std::filesystem::path& log);
  void Close();

  // The label runs' header skip: past the line that ends with <EOH>, then the
  // dictionary and the standard slots. A log without <EOH> is read from its
  // first line, as a log without a header.
  InputStatus StartAdifInput();
  // The logbook's header skip: up to the first line that begins with "<" and
  // is not a header line, then the dictionary and the standard slots. An
  // empty file has no header to skip and needs no dictionary.
  InputStatus SkipToFirstRecord();

  // The next contact, parsed; nothing at the end of the log, when a record
  // is cut off by it, or when reading failed (ReadStatus says which).
  const QsoRecord* NextRecord();
  InputStatus ReadStatus() const;
  // The record NextRecord handed on last as the file holds it, to be written
  // out again: from where it begins to the end of its <EOR>, line ends and
  // all, in the file's own bytes (see LineReader::Keep). Header lines are no
  // part of it. Valid until the next NextRecord.
  std::string_view RecordBytes() const { return recordBytes_; }
  // A record of this log taken out before (its RecordBytes, or a sorted
  // copy's record), parsed as NextRecord parses it: its lines joined.
  const QsoRecord* TakeRecord(std::string_view recordBytes);
  ReadProgress Progress() const { return {charsRead_, file_.FileLength()}; }

  // Why the last load found the dictionary unusable; empty when it was
  // loaded or missing. The program ends over both (see DictionaryStopText).
  const std::string& DictionaryFault() const { return dictionaryFault_; }

  const FieldTable& Fields() const { return fields_; }

 private:
  InputStatus LoadDictionary();
  // Joins lines onto `text` until it holds <EOR>, and takes the record's
  // bytes. The record ends at the first one; any text after it, unless only
  // blanks, is left in restOfLine_ to begin the next record.
  // False when the file ends first or the record grows past the limit.
  bool ReadRecordText(std::string& text);

  std::filesystem::path dictionaryFile_;
  std::string dictionaryFault_;
  text::LineReader file_;
  FieldTable fields_;
  QsoRecord record_{fields_};
  std::string line_;              // the line that begins the next record
  std::string nextLine_;          // kept to re-use its memory from record to record
  std::string_view recordBytes_;  // in the reader's buffer
  std::string takenText_;         // a taken record's lines joined
  std::filesystem::path logPath_;
  std::string restOfLine_;
  // Until the first record is read, a line that ends with <EOH> is the
  // header's: the record's bytes begin after it.
  bool firstRecord_ = true;
  std::int64_t charsRead_ = 0;
  std::int64_t recordLine_ = 0;  // where the record being joined began; 0 between records
  bool recordTooLong_ = false;
};

}  // namespace tavrilon::adif
