// Any bytes as a log: read by both header skips and every record parsed,
// without a crash, a hang or a sanitizer report.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "adif/AdifInput.h"
#include "adif/QsoParser.h"

namespace {

namespace fs = std::filesystem;

struct Workspace {
  Workspace() {
    folder = fs::temp_directory_path() / ("tavrilon-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "tvadif.txt")
        << "note\nQSO_DATE\nTIME_ON\nTIME_OFF\nCALL\nFREQ\n\nBAND\n";
  }
  ~Workspace() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  fs::path folder;
};

void ReadBothWays(const fs::path& log, tavrilon::adif::AdifInput& input) {
  for (const bool labelPath : {true, false}) {
    if (input.Open(log).Ok() &&
        (labelPath ? input.StartAdifInput() : input.SkipToFirstRecord()).Ok()) {
      while (input.NextRecord() != nullptr) {
      }
    }
    input.Close();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Workspace workspace;
  static tavrilon::adif::AdifInput input(workspace.folder / "tvadif.txt");
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  static tavrilon::adif::FieldTable table = [] {
    tavrilon::adif::FieldTable loaded;
    std::string fault;
    tavrilon::adif::LoadFieldDictionary(workspace.folder / "tvadif.txt", loaded, fault);
    loaded.ComputeStandardFieldSlots();
    return loaded;
  }();
  tavrilon::adif::ParseQsoRecord(bytes, table);

  const fs::path log = workspace.folder / "log.adi";
  std::ofstream(log, std::ios::binary | std::ios::trunc) << bytes;
  ReadBothWays(log, input);
  return 0;
}
