#include "logbook/LogReading.h"

#include "adif/OpenLog.h"

namespace tavrilon::logbook {

LogReading::LogReading(adif::AdifInput& input, UserInterface& ui) : input_(input), ui_(ui) {}

LogReading::~LogReading() {
  input_.Close();
}

bool LogReading::Open(const std::string& logFile) {
  const adif::OpenedLog opened = adif::OpenLog(input_, logFile, adif::LogHeader::Later);
  if (opened.missing) {
    ui_.ShowMessage("Log File does not exist");
    return false;
  }
  if (!opened.status.Ok()) {
    ui_.ShowMessage("The log cannot be read: " + opened.status.detail);
    return false;
  }
  progress_.emplace(ui_);
  return true;
}

const adif::QsoRecord* LogReading::Next() {
  if (!headerStatus_) {
    headerStatus_ = input_.SkipToFirstRecord();
  }
  if (!headerStatus_->Ok()) {
    return nullptr;
  }
  const adif::QsoRecord* qso = input_.NextRecord();
  progress_->Show(input_.Progress().Percent());
  return qso;
}

LogReadOutcome LogReading::Finish() {
  const adif::InputStatus status =
      headerStatus_ && !headerStatus_->Ok() ? *headerStatus_ : input_.ReadStatus();
  input_.Close();
  progress_->Complete();
  progress_.reset();
  switch (status.problem) {
    case adif::InputProblem::None:
      break;
    case adif::InputProblem::DictionaryMissing:
      return LogReadOutcome::DictionaryMissing;
    case adif::InputProblem::CannotRead:
      ui_.ShowMessage("The log could not be read to its end: " + status.detail);
      return LogReadOutcome::CannotRead;
  }
  return LogReadOutcome::Read;
}

}  // namespace tavrilon::logbook
