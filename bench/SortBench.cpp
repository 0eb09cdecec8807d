// Times the sort of a label log by call as the label runs do it: every record
// read by the label path and kept with its call, then put in order and
// written to OUTDIR/<log's name>.sort. Windows and events cost nothing here.
// Prints: records, log MB, seconds to load, to sort, to write the copy.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "adif/AdifInput.h"
#include "adif/QsoSort.h"
#include "adif/SortedCopy.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: sort-bench LOG DICTIONARY OUTDIR\n");
    return 64;
  }
  const std::filesystem::path log = argv[1];
  const auto start = Clock::now();
  tavrilon::adif::SortRecords records;
  tavrilon::adif::AdifInput input(argv[2]);
  if (!input.Open(log).Ok() || !input.StartAdifInput().Ok()) {
    return 1;
  }
  while (const tavrilon::adif::QsoRecord* qso = input.NextRecord()) {
    records.Add(qso->fields.StandardValue(tavrilon::adif::StandardField::Call),
                input.RecordBytes());
  }
  input.Close();
  const auto loaded = Clock::now();
  tavrilon::adif::SortByKey(records, [](std::int64_t, std::int64_t) {});
  const auto sorted = Clock::now();
  const std::string failure = tavrilon::adif::WriteSortedCopy(
      records, tavrilon::adif::SortedFilePath(std::filesystem::path(argv[3]) / log.filename()));
  const auto written = Clock::now();
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    return 1;
  }
  std::printf("%zu %.1f %.3f %.3f %.3f\n", records.Count(),
              static_cast<double>(std::filesystem::file_size(log)) / 1e6, Seconds(start, loaded),
              Seconds(loaded, sorted), Seconds(sorted, written));
  return 0;
}
