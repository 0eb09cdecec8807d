// tavrilon-batch: the program's runs from the command line, for scripts and tests.
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "batch/ExitStatus.h"
#include "batch/ReadCommand.h"
#include "session/Session.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsLocation.h"
#include "version/VersionString.h"

namespace {

using namespace tavrilon;

constexpr const char* kUsage =
    "Usage: tavrilon-batch COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  read [--labels] [--count] LOG   read LOG as the logbook does (or, with --labels,\n"
    "                                  as the label runs do) and write every record as\n"
    "                                  one JSON object per line; --count prints only the\n"
    "                                  number of records\n"
    "\n"
    "Options:\n"
    "  --help      show this text\n"
    "  --version   show the version\n"
    "\n"
    "Settings are read from and written to the program's tavrilon.ini.\n";

int Usage(const char* problem) {
  std::fprintf(stderr, "tavrilon-batch: %s\n\n%s", problem, kUsage);
  return batch::kExitUsage;
}

void WarnIfSettingsUnsaved(settings::SettingsFile& settings) {
  if (const auto& failure = settings.FirstWriteError()) {
    std::fprintf(stderr, "Warning: settings could not be saved to %s: %s\n", failure->path.c_str(),
                 failure->reason.c_str());
  }
}

std::optional<batch::ReadOptions> ParseRead(const std::vector<std::string_view>& args) {
  batch::ReadOptions options;
  bool haveLog = false;
  for (std::string_view arg : args) {
    if (arg == "--labels") {
      options.labelPath = true;
    } else if (arg == "--count") {
      options.countOnly = true;
    } else if (arg.starts_with("--") || haveLog) {
      return std::nullopt;
    } else {
      options.log = arg;
      haveLog = true;
    }
  }
  return haveLog ? std::optional(options) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) {
    return Usage("no command given");
  }
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, stdout);
    return batch::kExitOk;
  }
  if (args[0] == "--version") {
    std::printf("tavrilon-batch %s\n", VersionString().c_str());
    return batch::kExitOk;
  }
  if (args[0] != "read") {
    return Usage("unknown command");
  }
  const auto options = ParseRead({args.begin() + 1, args.end()});
  if (!options) {
    return Usage("read takes [--labels] [--count] and one LOG");
  }

  const std::filesystem::path programFolder = settings::ProgramFolder();
  Session session(programFolder, settings::DefaultSettingsFile(programFolder));
  session.Start();
  WarnIfSettingsUnsaved(session.Settings());
  return batch::RunReadCommand(*options, session.Input(), stdout, stderr);
}
