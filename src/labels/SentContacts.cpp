#include "labels/SentContacts.h"

#include <utility>

#include "adif/SentLog.h"
#include "files/ReplacingFile.h"
#include "print/PdfJobPath.h"
#include "version/VersionString.h"

namespace tavrilon::labels {

SentContacts::SentContacts(Clock clock, std::filesystem::path spoolFolder)
    : clock_(std::move(clock)), spoolFolder_(std::move(spoolFolder)) {}

void SentContacts::Begin(const std::filesystem::path& log) {
  completed_ = false;
  log_ = log;
  day_ = adif::UtcAdifDate(clock_());
  // A spool that cannot be made is reported when the contacts are saved.
  spool_.Open(spoolFolder_.empty() ? std::filesystem::path(".") : spoolFolder_);
}

void SentContacts::End(bool completed) {
  completed_ = completed;
  if (!completed) {
    spool_.Close();
  }
}

SentSaveOutcome SentContacts::Save(const std::filesystem::path& target, bool bureau,
                                   const std::vector<std::filesystem::path>& ownFiles) {
  if (!completed_) {
    return {false, std::string(kNoContactsToSave)};
  }
  if (const auto fault = print::PdfDestinationFault(target, log_, ownFiles, "sent log")) {
    return {false, *fault};
  }
  const std::string cannot = "The sent log could not be written to " + target.string() + ": ";
  files::ReplacingFile file(target);
  if (!file.Open()) {
    return {false, cannot + file.Failure()};
  }
  file.Write(adif::SentLogHeader(VersionString(), clock_()));
  const bool read = spool_.ForEach([&](std::string_view record) {
    file.Write(adif::MarkRecordSent(record, day_, bureau));
    file.Write("\r\n");
  });
  if (!read) {
    return {false, cannot + "the printed contacts could not be kept for it: " + spool_.Failure()};
  }
  if (!file.Commit(true)) {
    return {false, cannot + file.Failure()};
  }
  return {true, {}};
}

std::filesystem::path SuggestedSentLogPath(const std::filesystem::path& log) {
  return log.parent_path() / (log.stem().string() + "-sent.adi");
}

}  // namespace tavrilon::labels
