#include "labels/SentContacts.h"

#include <utility>

#include "adif/SentLog.h"
#include "files/ReplacingFile.h"
#include "print/OutputDestination.h"
#include "version/VersionString.h"

namespace tavrilon::labels {

namespace {

// The spool keeps lines, and values may hold line feeds: in the spool a line
// feed is this byte and "n", and the byte itself is written twice.
constexpr char kEscape = '\x10';

std::string_view Escaped(std::string_view record, std::string& scratch) {
  constexpr char kSpecial[] = {'\n', kEscape};
  if (record.find_first_of(std::string_view(kSpecial, 2)) == std::string_view::npos) {
    return record;
  }
  scratch.clear();
  for (const char c : record) {
    if (c == '\n' || c == kEscape) {
      scratch += kEscape;
    }
    scratch += c == '\n' ? 'n' : c;
  }
  return scratch;
}

std::string_view Unescaped(std::string_view kept, std::string& scratch) {
  if (kept.find(kEscape) == std::string_view::npos) {
    return kept;
  }
  scratch.clear();
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const bool escaped = kept[i] == kEscape && i + 1 < kept.size();
    i += escaped ? 1 : 0;
    scratch += escaped && kept[i] == 'n' ? '\n' : kept[i];
  }
  return scratch;
}

}  // namespace

SentContacts::SentContacts(Clock clock, std::filesystem::path spoolFolder)
    : clock_(std::move(clock)), spoolFolder_(std::move(spoolFolder)) {}

void SentContacts::Begin(const std::filesystem::path& log) {
  completed_ = false;
  log_ = log;
  day_ = adif::UtcAdifDate(clock_());
  // A spool that cannot be made is reported when the contacts are saved.
  spool_.Open(spoolFolder_.empty() ? std::filesystem::path(".") : spoolFolder_);
}

void SentContacts::Add(std::string_view record) {
  spool_.Append(Escaped(record, escaped_));
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
  if (const auto fault = print::OutputDestinationFault(target, log_, ownFiles, "sent log")) {
    return {false, *fault};
  }
  const std::string cannot = "The sent log could not be written to " + target.string() + ": ";
  files::ReplacingFile file(target);
  if (!file.Open()) {
    return {false, cannot + file.Failure()};
  }
  file.Write(adif::SentLogHeader(VersionString(), clock_()));
  std::string record;
  const bool read = spool_.ForEach([&](std::string_view kept) {
    file.Write(adif::MarkRecordSent(Unescaped(kept, record), day_, bureau));
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
