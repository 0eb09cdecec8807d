// tavrilon-batch: the program's runs from the command line, for scripts and tests.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include <QGuiApplication>

#include "adif/FieldTable.h"
#include "batch/CalibrateCommand.h"
#include "batch/DesignCommands.h"
#include "batch/ExitStatus.h"
#include "batch/HtmlCommand.h"
#include "batch/LabelsCommand.h"
#include "batch/LogbookCommand.h"
#include "batch/ReadCommand.h"
#include "files/TemporaryFiles.h"
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
    "  labels LOG (--pdf OUT | --printer NAME) [--stock S] [--skip N] [--design D]\n"
    "          [--style 1|2|3] [--sent-log SENT.adi [--bureau]]\n"
    "                                  print a QSL label for every contact of LOG, in the\n"
    "                                  design and on the stock of the settings file, to\n"
    "                                  the PDF file OUT or on the printer NAME; D is one\n"
    "                                  of DEFAULT, SIMPLE, CUSTOM1, CUSTOM2, CUSTOM3; with\n"
    "                                  SIMPLE, style 2 adds the station's mailing label\n"
    "                                  from the callbook and style 3 the return label;\n"
    "                                  --sent-log writes the printed contacts to SENT.adi\n"
    "                                  for the logger, marked as sent today (--bureau:\n"
    "                                  through the QSL bureau)\n"
    "  blank N (--pdf OUT | --printer NAME) [--stock S] [--skip N] [--design D]\n"
    "                                  print N blank cards of the custom design: its\n"
    "                                  picture and fixed texts, no contacts\n"
    "  preview LOG --image OUT.bmp [--scale 1|2|4] [--stock S] [--design D]\n"
    "                                  draw the first sheet of LOG's labels in the custom\n"
    "                                  design as the preview window shows it, and save it\n"
    "                                  as a bitmap at full, half or quarter size\n"
    "  logbook LOG (--pdf OUT | --printer NAME) [--from-page N |\n"
    "          --begin YYYYMMDD [--begin-time HHMM] --end YYYYMMDD [--end-time HHMM]]\n"
    "                                  print the logbook of LOG: all of it, from page N,\n"
    "                                  or the contacts of a date and time range (either\n"
    "                                  end may be left out)\n"
    "  html LOG                        write LOG as an HTML page beside it (its extension\n"
    "                                  replaced by .html) in the log layout of the\n"
    "                                  settings file\n"
    "  calibrate --printer NAME --across MM --down MM\n"
    "                                  store how far the printer NAME must move its\n"
    "                                  labels (right and down are positive); every\n"
    "                                  label run and blank card on it is moved so\n"
    "  alignment-page (--pdf OUT | --printer NAME) [--stock S]\n"
    "                                  print the page that shows where the printer puts\n"
    "                                  the labels of the stock, to measure the shift by\n"
    "\n"
    "Options:\n"
    "  --help      show this text\n"
    "  --version   show the version\n"
    "\n"
    "Settings are read from and written to tavrilon.ini: beside the program, or\n"
    "when installed (or when its folder cannot be written) in ~/.config/tavrilon.\n";

// `wrong` names the argument at fault, when one is; `usage` is the command's.
int Usage(const std::string& wrong, const char* usage) {
  const std::string problem = wrong.empty() ? usage : wrong + "; " + usage;
  std::fprintf(stderr, "tavrilon-batch: %s\n\n%s", problem.c_str(), kUsage);
  return batch::kExitUsage;
}

std::string Quoted(std::string_view arg) {
  std::string quoted(1, '"');
  return quoted.append(arg).append(1, '"');
}

// Why `arg`, which is neither an option taken nor the one LOG, is refused.
std::string Unexpected(std::string_view arg) {
  return (arg.starts_with("--") ? "unknown option " : "one argument too many: ") + Quoted(arg);
}

void WarnIfSettingsUnsaved(settings::SettingsFile& settings) {
  if (const auto& failure = settings.FirstWriteError()) {
    std::fprintf(stderr, "Warning: settings could not be saved to %s: %s\n", failure->path.c_str(),
                 failure->reason.c_str());
  }
}

std::optional<batch::ReadOptions> ParseRead(const std::vector<std::string_view>& args,
                                            std::string& wrong) {
  batch::ReadOptions options;
  bool haveLog = false;
  for (std::string_view arg : args) {
    if (arg == "--labels") {
      options.labelPath = true;
    } else if (arg == "--count") {
      options.countOnly = true;
    } else if (arg.starts_with("--") || haveLog) {
      wrong = Unexpected(arg);
      return std::nullopt;
    } else {
      options.log = arg;
      haveLog = true;
    }
  }
  return haveLog ? std::optional(options) : std::nullopt;
}

// Takes the value after an option; false when there is none.
bool TakeValue(const std::vector<std::string_view>& args, std::size_t& i, std::string& value) {
  if (i + 1 >= args.size()) {
    return false;
  }
  value = std::string(args[++i]);
  return true;
}

// Options that take a value, each with what to do with it.
using ValueOptions = std::vector<std::pair<std::string_view, std::function<void(std::string)>>>;

// One LOG (none when `log` is null) and any of `options`, each with its
// value; false for anything else, with `wrong` naming the argument at fault
// when one is.
bool ParseArguments(const std::vector<std::string_view>& args, std::filesystem::path* log,
                    const ValueOptions& options, std::string& wrong) {
  bool haveLog = log == nullptr;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto option = std::find_if(options.begin(), options.end(),
                                     [&](const auto& o) { return o.first == args[i]; });
    std::string value;
    if (option != options.end()) {
      if (!TakeValue(args, i, value)) {
        wrong = std::string(args[i]) + " needs a value";
        return false;
      }
      option->second(std::move(value));
    } else if (args[i].starts_with("--") || haveLog) {
      wrong = Unexpected(args[i]);
      return false;
    } else {
      *log = args[i];
      haveLog = true;
    }
  }
  return haveLog;
}

bool ParseLogAndOptions(const std::vector<std::string_view>& args, std::filesystem::path& log,
                        const ValueOptions& options, std::string& wrong) {
  return ParseArguments(args, &log, options, wrong);
}

// --pdf and --printer: where a print run goes.
ValueOptions TargetOptions(batch::PrintTarget& target) {
  return {{"--pdf", [&target](std::string v) { target.pdf = std::move(v); }},
          {"--printer", [&target](std::string v) { target.printer = std::move(v); }}};
}

// --stock, --skip and --design: the label choices a command may override.
ValueOptions LabelOptions(batch::LabelsOptions& o) {
  return {{"--stock", [&o](std::string v) { o.stock = std::move(v); }},
          {"--skip", [&o](std::string v) { o.skip = std::move(v); }},
          {"--design", [&o](std::string v) { o.design = std::move(v); }}};
}

// labels and blank: the first argument (LOG, or N) in `o.log`. Only labels
// prints in a label style and saves a sent log.
std::optional<batch::LabelsOptions> ParseLabels(const std::vector<std::string_view>& args,
                                                bool withStyle, std::string& wrong) {
  batch::LabelsOptions o;
  ValueOptions options = TargetOptions(o.target);
  std::ranges::move(LabelOptions(o), std::back_inserter(options));
  std::vector<std::string_view> rest = args;
  if (withStyle) {
    options.push_back({"--style", [&o](std::string v) { o.style = std::move(v); }});
    options.push_back({"--sent-log", [&o](std::string v) { o.sentLog = std::move(v); }});
    o.bureau = std::erase(rest, "--bureau") > 0;
  }
  if (!ParseLogAndOptions(rest, o.log, options, wrong) || (!o.target.pdf && !o.target.printer) ||
      (o.bureau && !o.sentLog)) {
    return std::nullopt;
  }
  return o;
}

std::optional<batch::PreviewOptions> ParsePreview(const std::vector<std::string_view>& args,
                                                  std::string& wrong) {
  batch::PreviewOptions o;
  std::optional<std::string> scale;
  ValueOptions options = LabelOptions(o.labels);
  std::erase_if(options, [](const auto& option) { return option.first == "--skip"; });
  options.push_back({"--image", [&o](std::string v) { o.image = std::move(v); }});
  options.push_back({"--scale", [&scale](std::string v) { scale = std::move(v); }});
  if (!ParseLogAndOptions(args, o.labels.log, options, wrong) || o.image.empty()) {
    return std::nullopt;
  }
  if (scale) {
    if (*scale != "1" && *scale != "2" && *scale != "4") {
      wrong = "--scale takes 1, 2 or 4, not " + Quoted(*scale);
      return std::nullopt;
    }
    o.scale = (*scale)[0] - '0';
  }
  return o;
}

std::optional<batch::LogbookOptions> ParseLogbook(const std::vector<std::string_view>& args,
                                                  std::string& wrong) {
  batch::LogbookOptions o;
  ValueOptions options = TargetOptions(o.target);
  options.push_back({"--from-page", [&o](std::string v) { o.fromPage = std::move(v); }});
  options.push_back({"--begin", [&o](std::string v) { o.beginDate = std::move(v); }});
  options.push_back({"--begin-time", [&o](std::string v) { o.beginTime = std::move(v); }});
  options.push_back({"--end", [&o](std::string v) { o.endDate = std::move(v); }});
  options.push_back({"--end-time", [&o](std::string v) { o.endTime = std::move(v); }});
  if (!ParseLogAndOptions(args, o.log, options, wrong)) {
    return std::nullopt;
  }
  const bool timesWithoutDates = (o.beginTime && !o.beginDate) || (o.endTime && !o.endDate);
  if ((!o.target.pdf && !o.target.printer) || (o.fromPage && (o.beginDate || o.endDate)) ||
      timesWithoutDates) {
    return std::nullopt;
  }
  return o;
}

std::optional<batch::CalibrateOptions> ParseCalibrate(const std::vector<std::string_view>& args,
                                                      std::string& wrong) {
  std::optional<std::string> printer;
  std::optional<std::string> across;
  std::optional<std::string> down;
  const ValueOptions options = {{"--printer", [&](std::string v) { printer = std::move(v); }},
                                {"--across", [&](std::string v) { across = std::move(v); }},
                                {"--down", [&](std::string v) { down = std::move(v); }}};
  if (!ParseArguments(args, nullptr, options, wrong) || !printer || !across || !down) {
    return std::nullopt;
  }
  return batch::CalibrateOptions{*printer, *across, *down};
}

std::optional<batch::LabelsOptions> ParseAlignmentPage(const std::vector<std::string_view>& args,
                                                       std::string& wrong) {
  batch::LabelsOptions o;
  ValueOptions options = TargetOptions(o.target);
  options.push_back({"--stock", [&o](std::string v) { o.stock = std::move(v); }});
  if (!ParseArguments(args, nullptr, options, wrong) || (!o.target.pdf && !o.target.printer)) {
    return std::nullopt;
  }
  return o;
}

// The program's folder, its settings file made ready and the version written.
std::unique_ptr<Session> StartSession() {
  const std::filesystem::path programFolder = settings::ProgramFolder();
  const std::filesystem::path dataFolder =
      settings::DataFolder(programFolder, adif::kDictionaryFileName);
  const settings::SettingsPlace place = settings::DefaultSettingsFile(programFolder, dataFolder);
  if (!place.notice.empty()) {
    std::fprintf(stderr, "%s\n", place.notice.c_str());
  }
  auto session = std::make_unique<Session>(programFolder, dataFolder, place.file);
  session->Start();
  WarnIfSettingsUnsaved(session->Settings());
  return session;
}

// A command that prints or draws: fonts and printers come from Qt, and no
// window is ever shown. `parse` reads the command's arguments.
template <typename Parse, typename Command>
int RunWithQt(int argc, char** argv, const std::vector<std::string_view>& args, Parse parse,
              const char* usage, Command command) {
  std::string wrong;
  auto options = parse(args, wrong);
  if (!options) {
    return Usage(wrong, usage);
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const auto session = StartSession();
  return command(std::move(*options), *session);
}

int Run(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) {
    return Usage({}, "no command given");
  }
  const std::vector<std::string_view> rest(args.begin() + 1, args.end());
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, stdout);
    return batch::kExitOk;
  }
  if (args[0] == "--version") {
    std::printf("tavrilon-batch %s\n", VersionString().c_str());
    return batch::kExitOk;
  }
  if (args[0] == "read") {
    std::string wrong;
    const auto options = ParseRead(rest, wrong);
    if (!options) {
      return Usage(wrong, "read takes [--labels] [--count] and one LOG");
    }
    const auto session = StartSession();
    return batch::RunReadCommand(*options, session->Input(), stdout, stderr);
  }
  if (args[0] == "labels") {
    return RunWithQt(
        argc, argv, rest,
        [](const auto& a, std::string& wrong) { return ParseLabels(a, true, wrong); },
        "labels takes one LOG, --pdf OUT or --printer NAME, [--stock S], [--skip N], "
        "[--design D], [--style 1|2|3], [--sent-log SENT.adi [--bureau]]",
        batch::RunLabelsCommand);
  }
  if (args[0] == "blank") {
    return RunWithQt(
        argc, argv, rest,
        [](const auto& a, std::string& wrong) { return ParseLabels(a, false, wrong); },
        "blank takes N, --pdf OUT or --printer NAME, [--stock S], [--skip N], [--design D]",
        [](batch::LabelsOptions options, Session& session) {
          const std::string count = options.log.string();
          options.log.clear();
          return batch::RunBlankCommand(options, count, session);
        });
  }
  if (args[0] == "preview") {
    return RunWithQt(argc, argv, rest, ParsePreview,
                     "preview takes one LOG, --image OUT, [--scale 1|2|4], [--stock S], "
                     "[--design D]",
                     batch::RunPreviewCommand);
  }
  if (args[0] == "logbook") {
    return RunWithQt(argc, argv, rest, ParseLogbook,
                     "logbook takes one LOG, --pdf OUT or --printer NAME, and either --from-page "
                     "N or --begin/--end dates with their times",
                     batch::RunLogbookCommand);
  }
  if (args[0] == "calibrate") {
    return RunWithQt(argc, argv, rest, ParseCalibrate,
                     "calibrate takes --printer NAME, --across MM and --down MM",
                     batch::RunCalibrateCommand);
  }
  if (args[0] == "alignment-page") {
    return RunWithQt(argc, argv, rest, ParseAlignmentPage,
                     "alignment-page takes --pdf OUT or --printer NAME, and [--stock S]",
                     batch::RunAlignmentPageCommand);
  }
  if (args[0] == "html") {
    std::filesystem::path log;
    std::string wrong;
    if (!ParseLogAndOptions(rest, log, {}, wrong)) {
      return Usage(wrong, "html takes one LOG");
    }
    const auto session = StartSession();
    return batch::RunHtmlCommand(log, *session);
  }
  return Usage("unknown command " + Quoted(args[0]), "the commands are listed below");
}

}  // namespace

int main(int argc, char** argv) {
  files::RemoveTemporaryFilesOnSignal();
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    // Caught here so that the runs' files unwind: no half file is left.
    std::fprintf(stderr, "tavrilon-batch: out of memory; nothing was finished.\n");
    return batch::kExitInputMissing;
  }
}
