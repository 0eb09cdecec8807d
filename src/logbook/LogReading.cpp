#include "logbook/LogReading.h"

namespace tavrilon::logbook {

LogReadOutcome ReadLogForRun(adif::AdifInput& input, UserInterface& ui, const std::string& logFile,
                             const std::function<bool()>& beforeRecords,
                             const std::function<void(const std::string&)>& record) {
  input.CharsRead = 0;
  if (!adif::AdifInput::LogFileExists(logFile)) {
    ui.ShowMessage("Log File does not exist");
    return LogReadOutcome::Missing;
  }
  if (const adif::InputStatus opened = input.Open(logFile); !opened.Ok()) {
    ui.ShowMessage("The log cannot be read: " + opened.detail);
    return LogReadOutcome::CannotRead;
  }
  ui.SetProgressVisible(true);
  ui.SetProgressValue(0);
  if (!beforeRecords()) {
    input.Close();
    ui.SetProgressVisible(false);
    return LogReadOutcome::Stopped;
  }
  const adif::InputStatus status =
      input.ReadLogbookRecords(record, [&ui](int percent) { ui.SetProgressValue(percent); });
  input.Close();
  ui.SetProgressValue(100);
  ui.SetProgressVisible(false);
  switch (status.problem) {
    case adif::InputProblem::None:
      return LogReadOutcome::Read;
    case adif::InputProblem::DictionaryMissing:
      return LogReadOutcome::DictionaryMissing;
    case adif::InputProblem::CannotRead:
      ui.ShowMessage("The log could not be read to its end: " + status.detail);
      return LogReadOutcome::CannotRead;
  }
  return LogReadOutcome::CannotRead;
}

}  // namespace tavrilon::logbook
