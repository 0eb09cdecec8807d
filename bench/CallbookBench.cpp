// Times the callbook over a generated pair of US licence files shaped like
// the real ones: 30-field EN lines, 59-field HD lines, about 48 % of the
// licences active and about 9 % of the active calls also held earlier by a
// licensee whose licence expired; clubs (1 in 20) have an attention line.
// Usage: callbook-bench [LICENCES]   (default 1,700,000)
// Prints: the files' size, the time to index them and the peak memory, the
// time to open the built index, and the mean time of 10,000 look-ups of
// random calls, about half of them found. Times to index and open are given
// by the clock and as processor time, which a busy machine does not inflate.
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "callbook/Callbook.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::array<const char*, 8> kFirst = {"JOHN",  "Mary",  "ROBERT", "Linda",
                                               "JAMES", "Susan", "DAVID",  "Karen"};
constexpr std::array<const char*, 8> kLast = {"SMITH", "Johnson", "WILLIAMS", "Brown",
                                              "JONES", "Miller",  "DAVIS",    "Wilson"};
constexpr std::array<const char*, 6> kStreets = {"MAIN ST",  "Oak Avenue", "N PINE RD",
                                                 "Maple Ln", "CEDAR DR",   "Elm Street"};
constexpr std::array<const char*, 6> kCities = {"SPRINGFIELD", "Riverside", "FRANKLIN",
                                                "Greenville",  "CLINTON",   "Fairview"};
constexpr std::array<const char*, 6> kStates = {"CA", "TX", "FL", "NY", "OH", "WA"};
constexpr std::array<const char*, 12> kPrefixes = {"K",  "W",  "N",  "KA", "KB", "KC",
                                                   "KD", "KE", "WA", "WB", "AA", "AB"};

// Distinct for every n below 12 × 10 × 26³ × 10 (about 21 million).
std::string CallFor(std::uint64_t n) {
  std::string call = kPrefixes[n % kPrefixes.size()];
  n /= kPrefixes.size();
  call += static_cast<char>('0' + n % 10);
  n /= 10;
  for (int i = 0; i < 3; ++i) {
    call += static_cast<char>('A' + n % 26);
    n /= 26;
  }
  if (n > 0) {
    call += static_cast<char>('A' + n % 26);
  }
  return call;
}

std::string Date(std::mt19937_64& random, int firstYear) {
  char text[11];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", static_cast<int>(random() % 12 + 1),
                static_cast<int>(random() % 28 + 1), firstYear + static_cast<int>(random() % 10));
  return text;
}

template <std::size_t N>
const char* Pick(const std::array<const char*, N>& words, std::mt19937_64& random) {
  return words[random() % N];
}

// The licences: the first `active` are active, each 11th active call also
// has an expired earlier holder, the rest have calls of their own.
void Generate(const std::filesystem::path& folder, std::uint64_t licences, std::uint64_t& active) {
  active = licences * 48 / 100;
  const std::uint64_t reissued = (active + 10) / 11;
  std::vector<std::uint32_t> order(licences);
  for (std::uint32_t i = 0; i < licences; ++i) {
    order[i] = i;
  }
  std::mt19937_64 random(20240105);
  std::shuffle(order.begin(), order.end(), random);
  std::FILE* en = std::fopen((folder / "EN.dat").c_str(), "wb");
  std::FILE* hd = std::fopen((folder / "HD.dat").c_str(), "wb");
  std::string line;
  for (std::uint64_t at = 0; at < licences; ++at) {
    const std::uint64_t licence = order[at];
    const std::string usi = std::to_string(1000000 + at);
    const bool isActive = licence < active;
    const std::uint64_t callNumber = isActive                      ? licence
                                     : licence < active + reissued ? (licence - active) * 11
                                                                   : licence - reissued;
    const std::string call = CallFor(callNumber);
    const std::string first = Pick(kFirst, random);
    const std::string last = Pick(kLast, random);
    const bool club = random() % 20 == 0;
    const bool poBox = random() % 20 == 0;
    const std::string street =
        poBox ? "" : std::to_string(random() % 9000 + 1) + " " + Pick(kStreets, random);
    line = "EN|" + usi + "|||" + call + "|L|L0" + usi + "|" +
           (club ? std::string("RADIO CLUB OF ") + Pick(kCities, random)
                 : last + ", " + first + " Q|" + first + "|Q|" + last + "|") +
           (club ? "||||" : "") + "||||" + street + "|" + Pick(kCities, random) + "|" +
           Pick(kStates, random) + "|" + std::to_string(10000 + random() % 89999) + "|" +
           (poBox ? std::to_string(random() % 9999) : "") + "|" +
           (club ? "c/o " + first + " " + last : "") + "|000|00" + usi + "|" + (club ? "B" : "I") +
           "||||||\r\n";
    std::fwrite(line.data(), 1, line.size(), en);
    const std::string granted = Date(random, 2014);
    line = "HD|" + usi + "|||" + call + "|" + (isActive ? "A" : (random() % 3 ? "E" : "C")) +
           "|HA|" + granted + "|" + Date(random, 2024) + std::string(34, '|') + granted + "|" +
           granted + "|||||||||||N|N|N||\r\n";
    std::fwrite(line.data(), 1, line.size(), hd);
  }
  std::fclose(en);
  std::fclose(hd);
}

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

double CpuSeconds(std::clock_t since) {
  return static_cast<double>(std::clock() - since) / static_cast<double>(CLOCKS_PER_SEC);
}

long PeakKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t licences = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'700'000;
  std::string pattern = (std::filesystem::temp_directory_path() / "callbook-bench-XXXXXX").string();
  if (licences == 0 || ::mkdtemp(pattern.data()) == nullptr) {
    std::fprintf(stderr, "usage: callbook-bench [LICENCES]\n");
    return 64;
  }
  const std::filesystem::path folder = pattern;
  std::uint64_t active = 0;
  Generate(folder, licences, active);
  const auto dataBytes =
      std::filesystem::file_size(folder / "EN.dat") + std::filesystem::file_size(folder / "HD.dat");
  std::printf("licences %llu, active %llu, EN.dat + HD.dat %.0f MB, peak before indexing %ld MB\n",
              static_cast<unsigned long long>(licences), static_cast<unsigned long long>(active),
              static_cast<double>(dataBytes) / 1e6, PeakKb() / 1024);

  int status = 0;
  {
    tavrilon::callbook::Callbook callbook;
    const auto start = Clock::now();
    const std::clock_t startCpu = std::clock();
    if (const auto opening = callbook.Open(folder, nullptr); !opening.ok) {
      std::fprintf(stderr, "%s\n", opening.failure.c_str());
      status = 1;
    }
    std::printf(
        "index: %.2f s, %.2f s of processor time, peak memory %ld MB, index file %.0f MB\n",
        Seconds(start), CpuSeconds(startCpu), PeakKb() / 1024,
        static_cast<double>(std::filesystem::file_size(folder / "tavrilon-callbook.idx")) / 1e6);
  }
  tavrilon::callbook::Callbook callbook;
  double bestOpen = 1e9;
  double bestOpenCpu = 1e9;
  for (int i = 0; i < 10 && status == 0; ++i) {
    tavrilon::callbook::Callbook again;
    const auto start = Clock::now();
    const std::clock_t startCpu = std::clock();
    status = again.Open(folder, nullptr).ok ? 0 : 1;
    bestOpenCpu = std::min(bestOpenCpu, CpuSeconds(startCpu));
    bestOpen = std::min(bestOpen, Seconds(start));
  }
  std::printf("open: %.1f ms, %.1f ms of processor time (best of 10)\n", bestOpen * 1e3,
              bestOpenCpu * 1e3);

  status = status != 0 || !callbook.Open(folder, nullptr).ok ? 1 : 0;
  std::mt19937_64 random(7);
  std::vector<std::string> calls(10000);
  for (std::string& call : calls) {
    // Half active calls, half calls of no active licence or of none at all.
    call = CallFor(random() % 2 == 0 ? random() % active : active + random() % licences);
  }
  int found = 0;
  const auto start = Clock::now();
  for (const std::string& call : calls) {
    found += callbook.Find(call) ? 1 : 0;
  }
  std::printf("look-up: %.2f us each (%d of %zu found)\n",
              Seconds(start) * 1e6 / static_cast<double>(calls.size()), found, calls.size());
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  return status;
}
