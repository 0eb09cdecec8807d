// Times one pass over a log. Modes:
//   floor   read the file and count "<EOR>" with memchr: the least any reader must do
//   reader  the dictionary, the header skip, every record joined and parsed, no output
//   labels  the same by the label runs' path
// Prints: mode, records, seconds, records per second, MB per second.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "adif/AdifInput.h"

namespace {

long long CountEndTags(const char* path) {
  const int fd = ::open(path, O_RDONLY);
  if (fd < 0) {
    return -1;
  }
  std::vector<char> buffer(1 << 18);
  long long count = 0;
  std::size_t carry = 0;  // keeps a tag split across two reads
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data() + carry, buffer.size() - carry);
    if (got <= 0) {
      break;
    }
    const std::size_t size = carry + static_cast<std::size_t>(got);
    const char* p = buffer.data();
    const char* end = p + size;
    while ((p = static_cast<const char*>(std::memchr(p, '<', static_cast<std::size_t>(end - p))))) {
      if (end - p < 5) {
        break;
      }
      if ((p[1] | 0x20) == 'e' && (p[2] | 0x20) == 'o' && (p[3] | 0x20) == 'r' && p[4] == '>') {
        ++count;
      }
      ++p;
    }
    carry = std::min<std::size_t>(4, size);
    std::memmove(buffer.data(), end - carry, carry);
  }
  ::close(fd);
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: reader-bench floor|reader|labels LOG DICTIONARY\n");
    return 64;
  }
  const std::string_view mode = argv[1];
  const auto start = std::chrono::steady_clock::now();
  long long records = 0;
  if (mode == "floor") {
    records = CountEndTags(argv[2]);
  } else {
    tavrilon::adif::AdifInput input(argv[3]);
    if (!input.Open(argv[2]).Ok()) {
      return 1;
    }
    tavrilon::adif::InputStatus status =
        mode == "labels" ? input.StartAdifInput() : input.SkipToFirstRecord();
    while (status.Ok() && input.NextRecord() != nullptr) {
      ++records;
    }
    status = status.Ok() ? input.ReadStatus() : status;
    if (!status.Ok()) {
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double megabytes = static_cast<double>(std::filesystem::file_size(argv[2])) / 1e6;
  std::printf("%s %lld %.3f %.0f %.1f\n", argv[1], records, seconds,
              static_cast<double>(records) / seconds, megabytes / seconds);
  return 0;
}
