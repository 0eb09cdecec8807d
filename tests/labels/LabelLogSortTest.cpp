#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "adif/AdifInput.h"
#include "adif/AdifTestSupport.h"
#include "adif/SortedCopy.h"
#include "labels/LabelLogSort.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::labels {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;
using adif::AdifInput;
using adif::QsoRecord;
using adif::SortRecords;
using adif::StandardField;

// A record that tells where in the file it stood.
std::string RecordOf(std::string_view call, std::size_t place) {
  return "<CALL:" + std::to_string(call.size()) + ">" + std::string(call) + "<NR>" +
         std::to_string(place) + "<EOR>";
}

class LabelLogSortTest : public ::testing::Test {
 protected:
  SortOutcome Sort(const Calls& calls) {
    records_ = {};
    for (std::size_t i = 0; i < calls.size(); ++i) {
      records_.Add(calls[i], RecordOf(calls[i], i));
    }
    return SortLabelLog(records_, sorted_, ui_, ui_);
  }
  // The copy as the places of its records in the file.
  std::vector<std::size_t> Places() const {
    std::vector<std::size_t> places;
    const std::string copy = tavrilon::test::ReadFile(sorted_);
    for (std::size_t at = 0; (at = copy.find("<NR>", at)) != std::string::npos; ++at) {
      places.push_back(std::strtoul(copy.c_str() + at + 4, nullptr, 10));
    }
    return places;
  }

  tavrilon::test::TempDir dir_;
  SortRecords records_;
  fs::path sorted_ = adif::SortedFilePath(dir_ / "my.log.adi");
  tavrilon::test::ScriptedUserInterface ui_;
};

TEST_F(LabelLogSortTest, PutsRecordsInOrderByCallKeepingTheFileOrderOfOneCall) {
  const struct {
    Calls calls;
    std::vector<std::size_t> places;
    const char* why;
  } cases[] = {
      {{"W1AW", "K1ABC", "W1AW", "AA1A"}, {3, 1, 0, 2}, "the two W1AW in file order"},
      {{"w1aw", "ZZ9Z", "K1ABC"}, {2, 1, 0}, "small letters after all capitals"},
      {{"K1ABC", "9A1A", "DLA", "DL/K1ABC"}, {1, 3, 2, 0}, "digits and '/' before letters"},
      {{"W1AWX", "W1AW", ""}, {2, 1, 0}, "a call before the longer calls it begins"},
      {{"VK2/W1ABC/P", "VK2/W1ABC/M", "VK2/W1ABC", "VK2/W1ABC/M"},
       {2, 1, 3, 0},
       "calls alike in their first eight characters"},
      {{"\u00D6E1A", "ZZ1Z", "OE1A"}, {2, 1, 0}, "bytes past ASCII after every letter"},
  };
  for (const auto& c : cases) {
    const SortOutcome outcome = Sort(c.calls);
    EXPECT_TRUE(outcome.written) << c.why;
    EXPECT_EQ(Places(), c.places) << c.why;
    EXPECT_EQ(records_.Key(1), c.calls[c.places[1]]) << "in order for the caller too";
  }
}

TEST_F(LabelLogSortTest, OneRecordMakesNoComparisonAndReplacesTheOlderCopy) {
  EXPECT_EQ(sorted_, dir_ / "my.log.adi.sort");
  tavrilon::test::WriteFile(sorted_, "an older copy, longer than the new one\r\n");
  const SortOutcome outcome = Sort({"W1AW"});
  EXPECT_EQ(outcome.sortCount, 0);
  EXPECT_EQ(tavrilon::test::ReadFile(sorted_), RecordOf("W1AW", 0) + "\r\n");
  const auto& progress = ui_.sortProgress;
  ASSERT_EQ(progress.size(), 2U);
  EXPECT_EQ(progress[0].status, "Please Wait - Sorting Data for 1 QSOs");
  EXPECT_EQ(progress[1].status, "Sorting Data - 0 sorts complete.");
  EXPECT_EQ(progress[1].done, progress[1].total);  // the bars full
  EXPECT_EQ(ui_.sortWindowShown, (std::vector<bool>{true, false}));
  EXPECT_EQ(ui_.eventRounds, 20);  // ten after showing, ten after hiding
}

TEST_F(LabelLogSortTest, ALargeLogShowsEveryTenThousandthComparisonAndStaysStable) {
  std::mt19937 rng(11);
  Calls calls(3000);
  for (std::string& call : calls) {
    call = "W" + std::to_string(rng() % 400);  // many contacts per call
  }
  const SortOutcome outcome = Sort(calls);
  std::vector<std::size_t> expected(calls.size());
  std::iota(expected.begin(), expected.end(), 0);
  std::stable_sort(expected.begin(), expected.end(),
                   [&](std::size_t a, std::size_t b) { return calls[a] < calls[b]; });
  EXPECT_EQ(Places(), expected);

  const auto& progress = ui_.sortProgress;
  ASSERT_EQ(progress.size(), 2 + static_cast<std::size_t>(outcome.sortCount / 10'000));
  EXPECT_EQ(progress[1].status, "Sorting Data - 10,000 sorts complete.");
  EXPECT_EQ(progress[1].done, 10'000);
  EXPECT_LE(outcome.sortCount, progress.back().total);
}

// Values over several lines, text like tags inside values, header text
// before <EOH>, Windows-1252, an indented record: the copy holds every record
// as the log does, for a reader that follows the lengths and for ours.
TEST_F(LabelLogSortTest, TheCopyHoldsEachRecordAsTheLogDoes) {
  tavrilon::test::ProgramFolder folder;
  const fs::path log =
      tavrilon::test::TestDataFolder() / "adif" / "values-over-lines-tags-in-values.adi";
  AdifInput input(folder.Dictionary());
  const auto read = [&](const fs::path& file, bool keep) {
    Calls calls;
    EXPECT_TRUE(input.Open(file).Ok() && input.StartAdifInput().Ok());
    while (const QsoRecord* qso = input.NextRecord()) {
      calls.emplace_back(qso->fields.StandardValue(StandardField::Call));
      if (keep) {
        records_.Add(calls.back(), input.RecordBytes());
      }
    }
    return calls;
  };
  EXPECT_EQ(read(log, true), (Calls{"W1AW ", "K1ABC", "AA1A"}));
  ASSERT_TRUE(SortLabelLog(records_, sorted_, ui_, ui_).written);
  const std::string copy = tavrilon::test::ReadFile(sorted_);
  EXPECT_TRUE(copy.starts_with("<CALL:4>AA1A"));  // no header for any reader
  const auto byLength = adif::test::FieldsByLength(tavrilon::test::ReadFile(log));
  EXPECT_EQ(adif::test::FieldsByLength(copy),
            (decltype(byLength){byLength[2], byLength[1], byLength[0]}));
  EXPECT_EQ(read(sorted_, false), (Calls{"AA1A", "K1ABC", "W1AW "}));
}

TEST_F(LabelLogSortTest, AFolderThatCannotBeWrittenLeavesNoCopyAndSaysWhy) {
  tavrilon::test::WriteFile(dir_ / "plain", "a file, not a folder");
  const fs::path sorted = dir_ / "plain" / "log.adi.sort";
  records_.Add("W1AW", RecordOf("W1AW", 0));
  const SortOutcome outcome = SortLabelLog(records_, sorted, ui_, ui_);
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.failure,
            "The sorted copy " + sorted.string() + " cannot be written: " + std::strerror(ENOTDIR));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
  EXPECT_EQ(ui_.sortWindowShown.back(), false);
}

}  // namespace
}  // namespace tavrilon::labels
