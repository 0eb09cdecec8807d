#include "batch/ReadCommand.h"

#include <string>

#include "adif/OpenLog.h"
#include "batch/ExitStatus.h"
#include "batch/JsonText.h"

namespace tavrilon::batch {

namespace {

// Collects output and hands it to stdio in large pieces.
class Output {
 public:
  explicit Output(std::FILE* file) : file_(file) { buffer_.reserve(kFlushAt * 2); }
  ~Output() { Flush(); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  std::string& Buffer() { return buffer_; }
  void MaybeFlush() {
    if (buffer_.size() >= kFlushAt) {
      Flush();
    }
  }
  void Flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    buffer_.clear();
  }

 private:
  static constexpr std::size_t kFlushAt = 1 << 16;
  std::FILE* file_;
  std::string buffer_;
};

void AppendRecord(std::string& out, long long n, const adif::QsoRecord& qso) {
  const adif::FieldTable& fields = qso.fields;
  out += "{\"n\":";
  out += std::to_string(n);
  out += ",\"date_number\":";
  out += std::to_string(qso.dateNumber);
  out += ",\"slot0\":";
  AppendJsonString(out, fields.Value(0));
  out += ",\"fields\":{";
  bool first = true;
  for (std::size_t slot = 1; slot < fields.FieldCount(); ++slot) {
    const std::string_view name = fields.Name(slot);
    const std::string_view value = fields.Value(slot);
    if (name.empty() || value.empty()) {
      continue;
    }
    if (!first) {
      out += ',';
    }
    first = false;
    AppendJsonString(out, name);
    out += ':';
    AppendJsonString(out, value);
  }
  out += "}}\n";
}

}  // namespace

int RunReadCommand(const ReadOptions& options, adif::AdifInput& input, std::FILE* out,
                   std::FILE* err) {
  const adif::OpenedLog opened = adif::OpenLog(
      input, options.log, options.labelPath ? adif::LogHeader::Labels : adif::LogHeader::Logbook);
  if (opened.missing) {
    std::fputs(options.labelPath ? "Label file does not exist\n" : "Log File does not exist\n",
               err);
    return kExitInputMissing;
  }
  adif::InputStatus status = opened.status;
  long long records = 0;
  Output output(out);
  while (status.Ok()) {
    const adif::QsoRecord* qso = input.NextRecord();
    if (qso == nullptr) {
      status = input.ReadStatus();
      break;
    }
    ++records;
    if (!options.countOnly) {
      AppendRecord(output.Buffer(), records, *qso);
      output.MaybeFlush();
    }
  }
  input.Close();
  output.Flush();

  switch (status.problem) {
    case adif::InputProblem::None:
      break;
    case adif::InputProblem::DictionaryMissing:
      ReportDictionaryMissing(err, input);
      return kExitDictionaryMissing;
    case adif::InputProblem::CannotRead:
      std::fprintf(err, "Cannot read the log: %s\n", status.detail.c_str());
      return kExitInputMissing;
  }
  std::fprintf(options.countOnly ? out : err, "%lld records\n", records);
  return kExitOk;
}

}  // namespace tavrilon::batch
