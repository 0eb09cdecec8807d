#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "labels/LabelRun.h"
#include "print/RecordingSurface.h"
#include "support/LabelRunFixture.h"
#include "text/Text.h"

namespace tavrilon::labels {
namespace {

namespace fs = std::filesystem;

// One contact as our reader takes it: every field but the three a card sent
// sets, as "NAME=value", and those three. Slot 0, the catch-all of tags the
// dictionary lacks, keeps its value from record to record, so it belongs to
// a contact only when the records are read in the order they were printed.
struct ReadContact {
  std::vector<std::string> others;
  std::string sent, sentDate, sentVia;
  bool operator<(const ReadContact& o) const { return others < o.others; }
};

std::vector<ReadContact> ReadContacts(const fs::path& dictionary, const fs::path& log,
                                      bool catchAll) {
  adif::AdifInput input(dictionary);
  EXPECT_TRUE(input.Open(log).Ok());
  EXPECT_TRUE(input.StartAdifInput().Ok());
  const adif::FieldTable& table = input.Fields();
  const std::size_t sent = table.LookupFieldSlot("QSL_SENT");
  const std::size_t date = table.LookupFieldSlot("QSLSDATE");
  const std::size_t via = table.LookupFieldSlot("QSL_SENT_VIA");
  std::vector<ReadContact> contacts;
  while (input.NextRecord() != nullptr) {
    ReadContact& contact = contacts.emplace_back();
    for (std::size_t slot = catchAll ? 0 : 1; slot < table.FieldCount(); ++slot) {
      if (slot != sent && slot != date && slot != via && !table.Value(slot).empty()) {
        // Slot 0's name is the dictionary's first line, a note.
        contact.others.push_back(std::string(slot == 0 ? "" : table.Name(slot)) + "=" +
                                 std::string(table.Value(slot)));
      }
    }
    contact.sent = text::TrimBlanks(table.Value(sent));
    contact.sentDate = text::TrimBlanks(table.Value(date));
    contact.sentVia = text::TrimBlanks(table.Value(via));
  }
  EXPECT_TRUE(input.ReadStatus().Ok());
  return contacts;
}

class SentContactsTest : public test::LabelRunFixture {
 protected:
  // 1 March 2024, 23:30:05 UTC
  SentContactsTest()
      : LabelRunFixture(adif::AdifInput::kRecordLimit, [] {
          return std::chrono::system_clock::time_point{std::chrono::seconds{1709335805}};
        }) {}

  RunOutcome Run(const fs::path& log, LabelDesign design = LabelDesign::Default,
                 bool sorted = false) {
    LabelRunRequest request;
    request.labelInputFile = log.string();
    request.labelStock = "5160";
    request.design = design;
    request.labelSkip = "0";
    request.sortFile = sorted;
    request.keepSent = true;
    surface_.operations.clear();
    return run_
        .PrintLabelRun(request,
                       [this]() -> print::PrintSurface* { return cancel_ ? nullptr : &surface_; })
        .outcome;
  }

  bool cancel_ = false;
};

// Each design hands its contacts on from another place: the reader, or the
// sorted records.
TEST_F(SentContactsTest, EveryPrintedContactIsSavedAsReadWithTheCardMarkedSent) {
  settings_.WriteSetting("Custom Label Layout-1", "Field1ADIF", "CALL");
  const struct {
    const char* log;
    LabelDesign design;
    bool sorted;
    bool bureau;
  } cases[] = {
      // Records over many lines in small letters, QSL_SENT "N", UTF-8.
      {"qrz_logbook_utf8.adi", LabelDesign::Default, false, false},
      // QSL_SENT "Y" and QSL_SENT_VIA "E" already there.
      {"eqsl_inbox.adi", LabelDesign::Simple, false, true},
      {"wsjtx-2.6.1_wsjtx_log.adi", LabelDesign::Custom1, true, false},
  };
  for (const auto& c : cases) {
    const fs::path log = test::SharedAdif(c.log);
    ASSERT_EQ(Run(log, c.design, c.sorted), RunOutcome::Completed) << c.log;
    const fs::path saved = dir_ / "sent.adi";
    const SentSaveOutcome outcome = run_.Sent().Save(saved, c.bureau, {});
    ASSERT_TRUE(outcome.saved) << outcome.failure;

    std::vector<ReadContact> original = ReadContacts(dir_.Dictionary(), log, !c.sorted);
    std::vector<ReadContact> marked = ReadContacts(dir_.Dictionary(), saved, !c.sorted);
    ASSERT_EQ(marked.size(), original.size()) << c.log;
    EXPECT_EQ(run_.Sent().Count(), original.size()) << c.log;
    std::sort(original.begin(), original.end());
    std::sort(marked.begin(), marked.end());
    for (std::size_t i = 0; i < marked.size(); ++i) {
      EXPECT_EQ(marked[i].others, original[i].others) << c.log << " " << i;
      EXPECT_EQ(marked[i].sent, "Y") << c.log;
      EXPECT_EQ(marked[i].sentDate, "20240301") << c.log;
      EXPECT_EQ(marked[i].sentVia, c.bureau ? "B" : original[i].sentVia) << c.log;
    }
    EXPECT_TRUE(test::ReadFile(saved).starts_with("QSL cards marked as sent by Tavrilon "));
  }
  // The spool had no name: nothing is left beside the settings file.
  for (const auto& entry : fs::directory_iterator(dir_.path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".tavrilon-")) << entry.path();
  }
}

TEST_F(SentContactsTest, OnlyACompletedRunIsSavedAndNeverOverTheLog) {
  const fs::path saved = dir_ / "sent.adi";
  test::WriteFile(saved, "older");
  const auto refused = [&](const fs::path& target) {
    const SentSaveOutcome outcome = run_.Sent().Save(target, false, {});
    EXPECT_FALSE(outcome.saved);
    return outcome.failure;
  };
  EXPECT_EQ(refused(saved),
            "No label run has completed, so there are no printed contacts to save.");

  const fs::path log = dir_ / "log.adi";
  const fs::path empty = dir_ / "empty.adi";
  test::WriteFile(log, test::ContactLog(3));
  test::WriteFile(empty, "Header only\n<EOH>\n");
  // A completed run is forgotten once a later one stops or is cancelled.
  for (const bool cancel : {false, true}) {
    ASSERT_EQ(Run(log), RunOutcome::Completed);
    cancel_ = cancel;
    EXPECT_NE(Run(cancel ? log : empty), RunOutcome::Completed);
    cancel_ = false;
    EXPECT_FALSE(run_.Sent().Ready());
    EXPECT_NE(refused(saved).find("No label run has completed"), std::string::npos);
    EXPECT_EQ(test::ReadFile(saved), "older");
  }

  ASSERT_EQ(Run(log), RunOutcome::Completed);
  EXPECT_EQ(refused(log), "The sent log cannot be written over the log " + log.string() + ".");
  EXPECT_EQ(test::ReadFile(log), test::ContactLog(3));
  fs::permissions(saved, fs::perms::owner_read);
  EXPECT_EQ(refused(saved),
            "The sent log could not be written to " + saved.string() + ": the file is read-only");
  EXPECT_EQ(test::ReadFile(saved), "older");
}

}  // namespace
}  // namespace tavrilon::labels
