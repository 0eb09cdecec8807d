#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "labels/LabelRun.h"
#include "print/RecordingSurface.h"
#include "support/LabelRunFixture.h"
#include "text/Text.h"

namespace tavrilon::labels {
using designs::LabelDesign;
namespace {

namespace fs = std::filesystem;

using Records = std::vector<std::vector<std::string>>;  // fields as "NAME=value"

// One contact: every field but the three a card sent sets, and those three.
struct Contact {
  std::vector<std::string> others;
  std::map<std::string, std::string, std::less<>> sent;  // blanks around removed
  bool operator<(const Contact& o) const { return others < o.others; }
};

std::vector<Contact> ContactsOf(const Records& records) {
  std::vector<Contact> contacts;
  for (const std::vector<std::string>& record : records) {
    Contact& contact = contacts.emplace_back();
    for (const std::string& field : record) {
      const std::string_view name = std::string_view(field).substr(0, field.find('='));
      if (name == "QSL_SENT" || name == "QSLSDATE" || name == "QSL_SENT_VIA") {
        contact.sent[std::string(name)] = text::TrimBlanks(field.substr(name.size() + 1));
      } else {
        contact.others.push_back(field);
      }
    }
  }
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
    const LabelRunRequest request{
        .labelInputFile = log.string(),
        .labelStock = "5160",
        .design = design,
        .labelStyle = 1,
        .labelSkip = "0",
        .order = sorted ? sending::RunOrder::Call : sending::RunOrder::File,
        .keepSent = true};
    surface_.operations.clear();
    return run_
        .PrintLabelRun(request,
                       [this]() -> print::PrintSurface* { return cancel_ ? nullptr : &surface_; })
        .outcome;
  }

  bool cancel_ = false;
};

// Each design hands its contacts on from another place: the reader, or the
// sorted records. Read by the declared lengths, every field of every contact
// of the sent log is as the log holds it, but the three a card sent sets.
TEST_F(SentContactsTest, EveryPrintedContactIsSavedAsTheLogHoldsItWithTheCardMarkedSent) {
  settings_.WriteSetting("Custom Label Layout-1", "Field1ADIF", "CALL");
  // Values over lines, tags inside values, QSL_SENT "NO", QSL_SENT_VIA "D"
  // already there, header text before <EOH>.
  const fs::path quirks = test::TestDataFolder() / "adif" / "values-over-lines-tags-in-values.adi";
  const fs::path log = dir_.path() / quirks.filename();  // the sorted copy is made beside it
  fs::copy_file(quirks, log);
  const fs::path saved = dir_ / "sent.adi";
  const auto read = [](const fs::path& file) {
    auto contacts = ContactsOf(adif::test::FieldsByLength(test::ReadFile(file)));
    std::sort(contacts.begin(), contacts.end());
    return contacts;
  };
  std::vector<Contact> original = read(log);
  const std::tuple<LabelDesign, bool, bool> cases[] = {{LabelDesign::Default, false, false},
                                                       {LabelDesign::Simple, false, true},
                                                       {LabelDesign::Custom1, true, false}};
  for (const auto& [design, sorted, bureau] : cases) {
    const int what = static_cast<int>(design);
    ASSERT_EQ(Run(log, design, sorted), RunOutcome::Completed) << what;
    const SentSaveOutcome outcome = run_.Sent().Save(saved, bureau, {});
    ASSERT_TRUE(outcome.saved) << outcome.failure;
    std::vector<Contact> marked = read(saved);
    ASSERT_EQ(marked.size(), original.size()) << what;
    EXPECT_EQ(run_.Sent().Count(), original.size()) << what;
    for (std::size_t i = 0; i < marked.size(); ++i) {
      EXPECT_EQ(marked[i].others, original[i].others) << what << " " << i;
      EXPECT_EQ(marked[i].sent["QSLSDATE"], "20240301") << what;
      EXPECT_EQ(marked[i].sent["QSL_SENT_VIA"], bureau ? "B" : original[i].sent["QSL_SENT_VIA"])
          << what;
    }
    EXPECT_EQ(test::ReadFile(saved).find("ADIF Export"), std::string::npos);  // the log's header
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
