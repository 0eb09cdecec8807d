// The parse of one typical record, for before-and-after figures of changes
// to the parser.
#include <benchmark/benchmark.h>

#include "adif/FieldTable.h"
#include "adif/QsoParser.h"

namespace {

void BM_ParseQsoRecord(benchmark::State& state) {
  tavrilon::adif::FieldTable table;
  std::string fault;
  if (tavrilon::adif::LoadFieldDictionary(TAVRILON_DICTIONARY, table, fault) !=
      tavrilon::adif::DictionaryLoad::Loaded) {
    state.SkipWithError("no dictionary");
    return;
  }
  table.ComputeStandardFieldSlots();
  const std::string record =
      "<call:6>KG4LKY <gridsquare:4>EM87 <mode:3>FT8 <rst_sent:3>+03 <rst_rcvd:3>-11 "
      "<qso_date:8>20230407 <time_on:6>185930 <qso_date_off:8>20230407 <time_off:6>190030 "
      "<band:3>10m <freq:9>28.076249 <station_callsign:6>KK7KNB <my_gridsquare:6>CN85QN "
      "<tx_pwr:3>50W <comment:25>FT8  Sent: +03  Rcvd: -11 <operator:5>Steve <eor>";
  for (auto _ : state) {
    benchmark::DoNotOptimize(tavrilon::adif::ParseQsoRecord(record, table));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(record.size()));
}
BENCHMARK(BM_ParseQsoRecord);

}  // namespace

BENCHMARK_MAIN();
