// tavrilon-batch: the program's runs from the command line, for scripts and tests.
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "adif/FieldTable.h"
#include "batch/CommandLine.h"
#include "batch/ExitStatus.h"
#include "batch/HtmlCommand.h"
#include "batch/StocksCommand.h"
#include "files/TemporaryFiles.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsLocation.h"
#include "shell/Session.h"
#include "version/VersionString.h"

namespace {

using namespace tavrilon;

void WarnIfSettingsUnsaved(settings::SettingsFile& settings) {
  if (const auto& failure = settings.FirstWriteError()) {
    std::fprintf(stderr, "Warning: settings could not be saved to %s: %s\n", failure->path.c_str(),
                 failure->reason.c_str());
  }
}

// Each label sheet file of the database that could not be read, when the
// command read the database: every label command may, looking for its stock.
// Without a load in the background, Ready means read (or nothing to read).
void WarnOfSkippedSheetFiles(sheets::InstalledSheets& installed) {
  if (!installed.Ready()) {
    return;
  }
  for (const std::string& skipped : installed.Skipped()) {
    std::fprintf(stderr, "Warning: skipped label sheet file %s\n", skipped.c_str());
  }
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

// Runs the command with the options its arguments gave, or says what is
// wrong with them before the settings file is touched.
template <typename Options, typename Command>
int RunParsed(batch::Parsed<Options> parsed, Command command) {
  if (!parsed.options) {
    return batch::UsageMistake(parsed.mistake);
  }
  const auto session = StartSession();
  const int status = command(*parsed.options, *session);
  WarnOfSkippedSheetFiles(session->LabelSheets());
  return status;
}

// A command that prints or draws: fonts and printers come from Qt, and no
// window is ever shown.
template <typename Options, typename Command>
int RunWithQt(int argc, char** argv, batch::Parsed<Options> parsed, Command command) {
  if (!parsed.options) {
    return batch::UsageMistake(parsed.mistake);
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  return RunParsed(std::move(parsed), command);
}

int Run(int argc, char** argv) {
  if (argc < 2) {
    return batch::UsageMistake("no command given");
  }
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h") {
    batch::PrintUsage(stdout);
    return batch::kExitOk;
  }
  if (command == "--version") {
    std::printf("tavrilon-batch %s\n", VersionString().c_str());
    return batch::kExitOk;
  }
  if (command == "read") {
    return RunParsed(batch::ParseRead(args), [](const batch::ReadOptions& options, Session& s) {
      return batch::RunReadCommand(options, s.Input(), stdout, stderr);
    });
  }
  if (command == "html") {
    return RunParsed(batch::ParseHtml(args), batch::RunHtmlCommand);
  }
  if (command == "stocks") {
    return RunParsed(batch::ParseStocks(args), batch::RunStocksCommand);
  }
  if (command == "design") {
    return RunParsed(batch::ParseDesign(args), batch::RunDesignFileCommand);
  }
  if (command == "labels") {
    return RunWithQt(argc, argv, batch::ParseLabels(args), batch::RunLabelsCommand);
  }
  if (command == "blank") {
    return RunWithQt(argc, argv, batch::ParseBlank(args), batch::RunBlankCommand);
  }
  if (command == "preview") {
    return RunWithQt(argc, argv, batch::ParsePreview(args), batch::RunPreviewCommand);
  }
  if (command == "logbook") {
    return RunWithQt(argc, argv, batch::ParseLogbook(args), batch::RunLogbookCommand);
  }
  if (command == "calibrate") {
    return RunWithQt(argc, argv, batch::ParseCalibrate(args), batch::RunCalibrateCommand);
  }
  if (command == "alignment-page") {
    return RunWithQt(argc, argv, batch::ParseAlignmentPage(args), batch::RunAlignmentPageCommand);
  }
  return batch::UsageMistake("unknown command \"" + command + "\"; the commands are listed below");
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
