#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adif/AdifInput.h"
#include "designs/LabelDesign.h"
#include "designs/LabelSample.h"
#include "labels/LabelRunRequest.h"
#include "labels/RunContacts.h"
#include "labels/RunCountries.h"
#include "sending/ContactChoice.h"
#include "sending/RunOrder.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::labels {

// The labels a run of the request's custom design would print, one after
// another, for the editor's view: the run's contacts, order and grouping,
// read with a reader of its own (a run may be using the program's) and
// without a word to the user: the note under each label says what there is
// to say. The last labels visited are kept, so that stepping back reads
// nothing; a log in file order is read only as far as the labels asked for.
class RunLabelSamples {
 public:
  RunLabelSamples(settings::SettingsFile& settings, std::filesystem::path dictionary);

  // Makes the labels those of `request`: its log, contacts, order, country
  // file, and the MultiLines of the design it names. They are read again
  // only when one of these, or the log or country file on disk, changed:
  // answers whether they did, so the view goes back to label 1.
  bool Follow(const LabelRunRequest& request);
  // Label `index` (0: the first the run prints; past the last: the last)
  // with its contacts, at most designs::kMostViewLines of them, and the note
  // saying where they came from. The bracketed contact, with the reason in
  // the note, when there is no label to show.
  designs::ShownSample Label(std::size_t index);
  // Whether a label follows label `index`.
  bool HasNext(std::size_t index);

 private:
  // Keeps the message for the note instead of showing it; shows nothing else.
  class QuietUserInterface final : public UserInterface {
   public:
    void SetStatusText(std::string_view) override {}
    void SetProgressVisible(bool) override {}
    void SetProgressValue(int) override {}
    void ShowMessage(std::string_view text, MessageIcon) override { message_ = text; }
    bool AskYesNo(std::string_view) override { return false; }
    std::optional<std::string> AskText(std::string_view, std::string_view) override {
      return std::nullopt;
    }
    void LetPendingEventsRun() override {}
    const std::string& Message() const { return message_; }

   private:
    std::string message_;
  };

  // A file as it is on disk; all zero when it is not there.
  struct FileStamp {
    std::filesystem::file_time_type time{};
    std::uintmax_t size = 0;
    bool operator==(const FileStamp&) const = default;
  };
  static FileStamp StampOf(const std::filesystem::path& file);

  // What decides the labels.
  struct Basis {
    std::string log;
    FileStamp logStamp;
    sending::Contacts contacts = sending::Contacts::All;
    std::optional<std::int64_t> from;
    std::optional<std::int64_t> to;
    sending::RunOrder order = sending::RunOrder::File;
    double multiLines = 1;
    std::string countryFile;  // in bureau order only
    FileStamp countryStamp;
    bool operator==(const Basis&) const = default;
  };

  // One label as the run groups it.
  struct RunLabel {
    std::vector<std::string> texts;  // its first contacts, as the log holds them
    std::size_t contacts = 0;        // all of them
    std::size_t first = 0;           // the chosen contacts before it
  };

  // Labels kept: a label holds at most kMostViewLines contacts' texts.
  static constexpr std::size_t kKeptLabels = 1000;

  double MultiLinesOf(designs::LabelDesign design);
  // Opens the log and reads its first chosen contact, or keeps in stopped_
  // what is shown instead.
  void Start();
  // The next chosen contact into pending_; none at the end.
  void Pull();
  // Reads the label after those read; false when there is none.
  bool ReadLabel();
  // Label `index`, read as far as needed; nothing when there is none.
  const RunLabel* Find(std::size_t index);
  std::size_t LabelsRead() const { return firstKept_ + kept_.size(); }
  std::string NoteOf(std::size_t index, const RunLabel& label) const;
  // The bracketed contact with `why` as its note; no contact, with the
  // dictionary's fault, when the dictionary cannot be read.
  designs::ShownSample Bracketed(std::string why) const;

  settings::SettingsFile& settings_;
  std::filesystem::path dictionary_;
  adif::AdifInput input_;
  QuietUserInterface ui_;
  RunCountries countries_;
  int designNumber_ = 0;
  std::uint64_t designVersion_ = 0;
  double multiLines_ = 1;
  Basis basis_;
  bool followed_ = false;
  bool started_ = false;
  std::optional<designs::ShownSample> stopped_;  // shown when there is no label
  std::optional<RunContacts> contacts_;
  std::string orderText_;     // "by call", ...
  std::string countryFault_;  // why bureau order could not be followed
  std::string readFault_;     // why the log could not be read past the labels read
  std::deque<RunLabel> kept_;
  std::size_t firstKept_ = 0;           // the number of kept_.front()
  std::size_t taken_ = 0;               // chosen contacts read into labels
  std::optional<std::string> pending_;  // the contact that begins the next label
  std::string pendingCall_;
};

}  // namespace tavrilon::labels
