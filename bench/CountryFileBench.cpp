// The country file as a label run uses it: read once, then one look-up for
// every contact.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "countries/CountryTable.h"

namespace {

using tavrilon::countries::kSystemCountryFile;
using tavrilon::countries::LoadCountryFile;

// 1,000 calls of many countries, one in eight of them portable.
std::vector<std::string> VariedCalls() {
  constexpr std::array<std::string_view, 16> kPrefixes = {
      "DL", "W", "K", "JA", "G", "VK", "VE", "F", "I", "EA", "UA", "PY", "ZL", "KH6", "ON", "SP"};
  constexpr std::array<std::string_view, 6> kPortable = {"/P", "/M", "/4", "/MM", "/KH6", "/QRP"};
  std::vector<std::string> calls;
  std::uint32_t seed = 12345;
  const auto next = [&seed](std::uint32_t range) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % range;
  };
  for (int i = 0; i < 1000; ++i) {
    std::string call(kPrefixes[next(kPrefixes.size())]);
    call += static_cast<char>('0' + next(10));
    for (std::uint32_t letters = 1 + next(3); letters > 0; --letters) {
      call += static_cast<char>('A' + next(26));
    }
    if (next(8) == 0) {
      call += kPortable[next(kPortable.size())];
    }
    calls.push_back(call);
  }
  return calls;
}

void BM_LoadCountryFile(benchmark::State& state) {
  if (!std::filesystem::exists(kSystemCountryFile)) {
    state.SkipWithError("no country file installed");
    return;
  }
  std::size_t countries = 0;
  for (auto _ : state) {
    const auto load = LoadCountryFile(kSystemCountryFile);
    countries = load.table ? load.table->Size() : 0;
    benchmark::DoNotOptimize(countries);
  }
  state.counters["countries"] = static_cast<double>(countries);
}
BENCHMARK(BM_LoadCountryFile)->Unit(benchmark::kMillisecond);

void BM_FindCountries(benchmark::State& state) {
  const auto load = LoadCountryFile(kSystemCountryFile);
  if (!load.table) {
    state.SkipWithError(load.failure.c_str());
    return;
  }
  const std::vector<std::string> calls = VariedCalls();
  for (auto _ : state) {
    for (const std::string& call : calls) {
      benchmark::DoNotOptimize(load.table->Find(call));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(calls.size()));
}
BENCHMARK(BM_FindCountries)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
