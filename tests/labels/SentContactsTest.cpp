#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "adif/AdifTestSupport.h"
#include "labels/LabelRun.h"
#include "print/RecordingSurface.h"
#include "support/LabelRunFixture.h"
#include "text/Text.h"

namespace tavrilon::labels {
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

// As our reader takes them. The catch-all slot is left out: header text
// before <EOH> lands there, and the sent log has none.
Records OurReading(const fs::path& dictionary, const fs::path& log) {
  adif::AdifInput input(dictionary);
  EXPECT_TRUE(input.Open(log).Ok() && input.StartAdifInput().Ok());
  Records records;
  while (const adif::QsoRecord* qso = input.NextRecord()) {
    std::vector<std::string>& record = records.emplace_back();
    for (std::size_t slot = 1; slot < qso->fields.FieldCount(); ++slot) {
      if (!qso->fields.Value(slot).empty()) {
        record.push_back(std::string(qso->fields.Name(slot)) + "=" +
                         std::string(qso->fields.Value(slot)));
      }
    }
  }
  EXPECT_TRUE(input.ReadStatus().Ok());
  return records;
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
// sorted records. Whichever way the sent log is read, every field of every
// contact is as the log holds it, but the three a card sent sets.
TEST_F(SentContactsTest, EveryPrintedContactIsSavedAsTheLogHoldsItWithTheCardMarkedSent) {
  settings_.WriteSetting("Custom Label Layout-1", "Field1ADIF", "CALL");
  // Values over lines, tags inside values, QSL_SENT "NO", header text before <EOH>.
  const fs::path quirks = test::TestDataFolder() / "adif" / "values-over-lines-tags-in-values.adi";
  struct Case {
    fs::path log;
    LabelDesign design;
    bool sorted;
    bool bureau;
  };
  std::vector<Case> cases = {{quirks, LabelDesign::Default, false, false},
                             {quirks, LabelDesign::Simple, false, true},
                             {quirks, LabelDesign::Custom1, true, false}};
  if (test::SharedAdifPresent()) {
    // Records over many lines in small letters, QSL_SENT "N", UTF-8; QSL_SENT
    // "Y" and QSL_SENT_VIA "E" already there.
    cases.push_back({test::SharedAdif("qrz_logbook_utf8.adi"), LabelDesign::Default, false, false});
    cases.push_back({test::SharedAdif("eqsl_inbox.adi"), LabelDesign::Simple, false, true});
    cases.push_back(
        {test::SharedAdif("wsjtx-2.6.1_wsjtx_log.adi"), LabelDesign::Custom1, true, false});
  }
  const fs::path saved = dir_ / "sent.adi";
  for (const auto& c : cases) {
    const std::string what = c.log.filename().string() + " " + std::to_string(c.sorted);
    const fs::path log = dir_.path() / c.log.filename();  // the sorted copy is made beside it
    fs::copy_file(c.log, log, fs::copy_options::overwrite_existing);
    ASSERT_EQ(Run(log, c.design, c.sorted), RunOutcome::Completed) << what;
    const SentSaveOutcome outcome = run_.Sent().Save(saved, c.bureau, {});
    ASSERT_TRUE(outcome.saved) << outcome.failure;
    for (const bool byLength : {false, true}) {
      const auto read = [&](const fs::path& file) {
        auto contacts = ContactsOf(byLength ? adif::test::FieldsByLength(test::ReadFile(file))
                                            : OurReading(dir_.Dictionary(), file));
        std::sort(contacts.begin(), contacts.end());
        return contacts;
      };
      std::vector<Contact> original = read(log);
      std::vector<Contact> marked = read(saved);
      ASSERT_EQ(marked.size(), original.size()) << what;
      EXPECT_EQ(run_.Sent().Count(), original.size()) << what;
      for (std::size_t i = 0; i < marked.size(); ++i) {
        EXPECT_EQ(marked[i].others, original[i].others) << what << " " << byLength << " " << i;
        EXPECT_EQ(marked[i].sent["QSL_SENT"], "Y") << what;
        EXPECT_EQ(marked[i].sent["QSLSDATE"], "20240301") << what;
        EXPECT_EQ(marked[i].sent["QSL_SENT_VIA"], c.bureau ? "B" : original[i].sent["QSL_SENT_VIA"])
            << what;
      }
    }
    const std::string text = test::ReadFile(saved);
    EXPECT_TRUE(text.starts_with("QSL cards marked as sent by Tavrilon ")) << what;
    EXPECT_EQ(text.find("ADIF Export"), std::string::npos) << what;  // the log's header text
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
