#include "labels/LabelLogSort.h"

#include "adif/SortedCopy.h"

namespace tavrilon::labels {

namespace {

constexpr int kEventRounds = 10;

void LetEventsRun(UserInterface& ui) {
  for (int i = 0; i < kEventRounds; ++i) {
    ui.LetPendingEventsRun();
  }
}

std::string SortedText(const SortDisplay& display, std::int64_t count) {
  return "Sorting Data - " + display.GroupDigits(count) + " sorts complete.";
}

}  // namespace

SortOutcome SortLabelLog(adif::SortRecords& records, const std::filesystem::path& sortedFile,
                         UserInterface& ui, SortDisplay& display) {
  const std::size_t n = records.Count();
  const std::int64_t total = adif::SortBound(n);
  display.ShowSortWindow(true);
  display.ShowSortProgress("Please Wait - Sorting Data for " + std::to_string(n) + " QSOs", 0,
                           total);
  LetEventsRun(ui);
  SortOutcome outcome;
  outcome.sortCount = adif::SortByKey(records, [&](std::int64_t done, std::int64_t most) {
    display.ShowSortProgress(SortedText(display, done), done, most);
    ui.LetPendingEventsRun();
  });
  display.ShowSortProgress(SortedText(display, outcome.sortCount), total, total);
  outcome.failure = adif::WriteSortedCopy(records, sortedFile);
  outcome.written = outcome.failure.empty();
  display.ShowSortWindow(false);
  LetEventsRun(ui);
  return outcome;
}

}  // namespace tavrilon::labels
