// Reading the system's label database, as the program does once in the
// background at start: every template file of the installed folder.
#include <filesystem>

#include <benchmark/benchmark.h>

#include "sheets/TemplateFolders.h"

namespace {

const std::filesystem::path kInstalled = "/usr/share/libglabels-3.0/templates";

void BM_ReadTemplateFolders(benchmark::State& state) {
  if (!std::filesystem::is_directory(kInstalled)) {
    state.SkipWithError("no label database installed");
    return;
  }
  std::size_t sheets = 0;
  for (auto _ : state) {
    const auto read = tavrilon::sheets::ReadTemplateFolders({kInstalled});
    sheets = read.database.Sheets().size();
    benchmark::DoNotOptimize(sheets);
  }
  // The files read: the templates and the paper sizes.
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kInstalled)) {
    const auto name = entry.path().filename();
    files +=
        entry.path().extension() == ".xml" && name != "categories.xml" && name != "vendors.xml";
  }
  state.counters["files"] = static_cast<double>(files);
  state.counters["sheets"] = static_cast<double>(sheets);
}
BENCHMARK(BM_ReadTemplateFolders)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
