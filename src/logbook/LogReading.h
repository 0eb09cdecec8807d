#pragma once

#include <optional>
#include <string>

#include "adif/AdifInput.h"
#include "session/RunProgress.h"
#include "session/UserInterface.h"

namespace tavrilon::logbook {

enum class LogReadOutcome {
  Read,               // every record was handed on
  CannotRead,         // the user was told why
  DictionaryMissing,  // the caller must end the program
};

// The reading part of every logbook run (printed pages and the HTML page),
// used as a straight line:
//
//   if (!reading.Open(file)) ...            the log exists and opens
//   while (const QsoRecord* qso = reading.Next()) ...
//   switch (reading.Finish()) ...
//
// The header is skipped at the first Next, so a run that stops before it
// needs no dictionary. The progress bar shows while the log is open; the log
// is closed when the reading goes out of scope.
class LogReading {
 public:
  LogReading(adif::AdifInput& input, UserInterface& ui);
  ~LogReading();
  LogReading(const LogReading&) = delete;
  LogReading& operator=(const LogReading&) = delete;

  // False, with the user told why, when the log is missing or cannot be read.
  bool Open(const std::string& logFile);
  const adif::QsoRecord* Next();
  LogReadOutcome Finish();

 private:
  adif::AdifInput& input_;
  UserInterface& ui_;
  std::optional<RunProgress> progress_;
  std::optional<adif::InputStatus> headerStatus_;
};

}  // namespace tavrilon::logbook
