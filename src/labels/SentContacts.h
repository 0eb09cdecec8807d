#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/LineSpool.h"
#include "session/Clock.h"

namespace tavrilon::labels {

inline constexpr std::string_view kNoContactsToSave =
    "No label run has completed, so there are no printed contacts to save.";

struct SentSaveOutcome {
  bool saved = false;
  std::string failure;  // why not, naming the file
};

// The contacts the last label run printed, for the person's logger: saved as
// an ADIF file in which each is marked as a card sent on the day of the run.
// The record texts wait in a spool on disk, so a run of a million contacts
// costs no more memory than one of ten.
class SentContacts {
 public:
  // The spool lies in `spoolFolder`; the run's day and the file's creation
  // time come from `clock`.
  SentContacts(Clock clock, std::filesystem::path spoolFolder);

  // A label run over `log` begins: the last run's contacts are forgotten.
  void Begin(const std::filesystem::path& log);
  // A record printed, as the log holds it (AdifInput::RecordBytes).
  void Add(std::string_view record);
  // The run ended; one that did not complete leaves nothing to save.
  void End(bool completed);

  // Whether the last label run completed, so its contacts can be saved.
  bool Ready() const { return completed_; }
  std::size_t Count() const { return spool_.Count(); }
  const std::filesystem::path& Log() const { return log_; }

  // Writes the contacts, marked as sent (through the bureau when `bureau`),
  // to `target`, whole or not at all; never over the run's log nor one of
  // `ownFiles`.
  SentSaveOutcome Save(const std::filesystem::path& target, bool bureau,
                       const std::vector<std::filesystem::path>& ownFiles);

 private:
  Clock clock_;
  std::filesystem::path spoolFolder_;
  std::filesystem::path log_;
  std::string day_;
  files::LineSpool spool_;
  std::string escaped_;  // a record with line feeds, as the spool keeps it
  bool completed_ = false;
};

// Where the window offers to save a log's sent contacts: beside it, named
// after it ("mylog-sent.adi").
std::filesystem::path SuggestedSentLogPath(const std::filesystem::path& log);

}  // namespace tavrilon::labels
