// Times a label run's ordering of a log as the run does it: every contact
// read, its key made (by call, or in bureau order from the country file),
// the records sorted and the sorted copy written to OUTDIR. Windows and
// events cost nothing here.
// Usage: order-bench LOG DICTIONARY OUTDIR call|bureau [CTY.DAT]
// Prints: contacts, seconds to load the country file, seconds to order.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "adif/AdifInput.h"
#include "countries/CountryTable.h"
#include "labels/RunContacts.h"
#include "session/SortDisplay.h"
#include "session/UserInterface.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

class Quiet : public tavrilon::UserInterface, public tavrilon::SortDisplay {
 public:
  void SetStatusText(std::string_view) override {}
  void SetProgressVisible(bool) override {}
  void SetProgressValue(int) override {}
  void ShowMessage(std::string_view text, tavrilon::MessageIcon) override {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
  }
  bool AskYesNo(std::string_view) override { return false; }
  std::optional<std::string> AskText(std::string_view, std::string_view) override { return {}; }
  void LetPendingEventsRun() override {}
  void ShowSortWindow(bool) override {}
  void ShowSortProgress(std::string_view, std::int64_t, std::int64_t) override {}
  std::string GroupDigits(std::int64_t count) const override { return std::to_string(count); }
};

}  // namespace

int main(int argc, char** argv) {
  const auto order = argc >= 5 ? tavrilon::sending::RunOrderOf(argv[4])
                               : std::optional<tavrilon::sending::RunOrder>();
  if (argc < 5 || argc > 6 || !order || *order == tavrilon::sending::RunOrder::File) {
    std::fprintf(stderr, "usage: order-bench LOG DICTIONARY OUTDIR call|bureau [CTY.DAT]\n");
    return 64;
  }
  const auto start = Clock::now();
  std::optional<tavrilon::countries::CountryTable> table;
  if (*order == tavrilon::sending::RunOrder::Bureau) {
    auto loaded = tavrilon::countries::LoadCountryFile(
        argc == 6 ? argv[5] : std::string(tavrilon::countries::kSystemCountryFile));
    if (!loaded.table) {
      std::fprintf(stderr, "%s\n", loaded.failure.c_str());
      return 1;
    }
    table = std::move(loaded.table);
  }
  const auto countriesRead = Clock::now();
  // The sorted copy goes beside the log the run names: here in OUTDIR.
  const std::filesystem::path log = argv[1];
  const std::filesystem::path named = std::filesystem::path(argv[3]) / log.filename();
  Quiet quiet;
  tavrilon::adif::AdifInput input(argv[2]);
  tavrilon::labels::RunContacts contacts(input, quiet);
  if (contacts.Open(log.string()) ||
      !contacts.Sort(named.string(), *order, table ? &*table : nullptr, false, quiet)) {
    return 1;
  }
  const auto ordered = Clock::now();
  std::printf("%zu %.4f %.3f\n", contacts.ContactsRead(), Seconds(start, countriesRead),
              Seconds(countriesRead, ordered));
  return 0;
}
