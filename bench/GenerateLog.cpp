// Writes a realistic ADIF log of N contacts: mostly one record per line as
// digital-mode loggers write them, some one field per line as web logbooks
// do, a few names in other scripts. The same N and seed give the same file.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const char* const kBands[] = {"160m", "80m", "40m", "30m", "20m", "17m", "15m", "12m", "10m", "6m"};
const char* const kFreqs[] = {"1.840000",  "3.573000",  "7.074000",  "10.136000", "14.074000",
                              "18.100000", "21.074000", "24.915000", "28.074000", "50.313000"};
const char* const kModes[] = {"FT8", "FT4", "CW", "SSB", "RTTY"};
const char* const kNames[] = {"Steve",
                              "Bob",
                              "Ana Maria",
                              "J\xC3\xBCrgen",
                              "Fran\xC3\xA7ois",
                              "lianyi \xE8\xB5\xB5",
                              "Od\xC5\xBE"
                              "ak Club",
                              "Ken",
                              "Yuki"};

void Field(std::string& out, const char* name, const std::string& value, const char* sep) {
  out += '<';
  out += name;
  out += ':';
  out += std::to_string(value.size());
  out += '>';
  out += value;
  out += sep;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: generate-log CONTACTS OUT.adi [SEED]\n");
    return 64;
  }
  const long contacts = std::strtol(argv[1], nullptr, 10);
  std::FILE* out = std::fopen(argv[2], "wb");
  if (out == nullptr) {
    std::perror(argv[2]);
    return 1;
  }
  std::mt19937 rng(argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1U);
  const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

  std::string text =
      "Generated log for the benchmarks\n<adif_ver:5>3.1.1\n<programid:8>GENERATE\n<eoh>\n";
  char buf[64];
  for (long i = 0; i < contacts; ++i) {
    const bool perLine = pick(10) < 3;
    const char* sep = perLine ? "\n" : " ";
    const int band = pick(10);
    std::snprintf(buf, sizeof buf, "%c%c%d%c%c%c", 'A' + pick(26), 'A' + pick(26), pick(10),
                  'A' + pick(26), 'A' + pick(26), 'A' + pick(26));
    Field(text, "call", buf, sep);
    std::snprintf(buf, sizeof buf, "%c%c%02d", 'A' + pick(18), 'A' + pick(18), pick(100));
    Field(text, "gridsquare", buf, sep);
    Field(text, "mode", kModes[pick(5)], sep);
    std::snprintf(buf, sizeof buf, "%+03d", pick(40) - 24);
    Field(text, "rst_sent", buf, sep);
    std::snprintf(buf, sizeof buf, "%+03d", pick(40) - 24);
    Field(text, "rst_rcvd", buf, sep);
    std::snprintf(buf, sizeof buf, "20%02d%02d%02d", 10 + pick(16), 1 + pick(12), 1 + pick(28));
    const std::string date = buf;
    Field(text, "qso_date", date, sep);
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", pick(24), pick(60), pick(60));
    Field(text, "time_on", buf, sep);
    Field(text, "qso_date_off", date, sep);
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", pick(24), pick(60), pick(60));
    Field(text, "time_off", buf, sep);
    Field(text, "band", kBands[band], sep);
    Field(text, "freq", kFreqs[band], sep);
    Field(text, "station_callsign", "KK7KNB", sep);
    Field(text, "my_gridsquare", "CN85QN", sep);
    Field(text, "tx_pwr", std::to_string(5 + pick(100)), sep);
    if (pick(2) == 0) {
      Field(text, "name", kNames[pick(9)], sep);
    }
    if (pick(3) == 0) {
      Field(text, "comment", "FT8  Sent: -05  Rcvd: -11", sep);
    }
    text += perLine ? "<eor>\n\n" : "<eor>\n";
    if (text.size() > (1U << 20)) {
      std::fwrite(text.data(), 1, text.size(), out);
      text.clear();
    }
  }
  std::fwrite(text.data(), 1, text.size(), out);
  return std::fclose(out) == 0 ? 0 : 1;
}
