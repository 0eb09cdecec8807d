#include "batch/DesignCommands.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "designs/DesignFiles.h"
#include "print/OutputDestination.h"
#include "qt/PreviewImage.h"

namespace tavrilon::batch {

namespace {

// The request, when its design is a custom one.
std::optional<labels::LabelRunRequest> CustomRequest(const LabelsOptions& options,
                                                     settings::SettingsFile& settings) {
  auto request = StoredLabelRequest(options, settings);
  if (request && designs::CustomDesignNumberOf(request->design) == 0) {
    std::fprintf(stderr,
                 "Blank cards and previews are of a custom design: choose one with --design "
                 "CUSTOM1, CUSTOM2 or CUSTOM3.\n");
    request.reset();
  }
  return request;
}

}  // namespace

int RunBlankCommand(const BlankOptions& options, Session& session) {
  if (const auto status = CheckPrintTarget(options.labels.target, {}, session.ProtectedFiles())) {
    return *status;
  }
  const auto request = CustomRequest(options.labels, session.Settings());
  if (!request) {
    return kExitUsage;
  }
  ConsoleUserInterface ui(stderr);
  labels::LabelRun run(session.Input(), session.Settings(), session.LabelSheets(), ui, ui);
  std::optional<qt::PrintJob> job;
  const labels::LabelRunResult result = run.PrintBlankCards(
      *request, options.count,
      PrintDocumentFor(options.labels.target, job, "blank cards", run.Paper(*request)));
  return ExitStatusOf(result.outcome, session.Input(), ui);
}

int RunPreviewCommand(const PreviewOptions& options, Session& session) {
  const auto request = CustomRequest(options.labels, session.Settings());
  if (!request) {
    return kExitUsage;
  }
  const std::filesystem::path file =
      qt::WithBmpExtension(QString::fromStdString(options.image.string())).toStdString();
  if (const auto fault =
          qt::PreviewPictureFault(file, *request, session.Settings(), session.ProtectedFiles())) {
    std::fprintf(stderr, "%s\n", fault->c_str());
    return kExitUsage;
  }
  ConsoleUserInterface ui(stderr);
  labels::LabelRun run(session.Input(), session.Settings(), session.LabelSheets(), ui, ui);
  const qt::PreviewPage drawn = qt::DrawPreviewPage(run, *request, session.Settings());
  if (drawn.outcome != RunOutcome::Completed) {
    return ExitStatusOf(drawn.outcome, session.Input(), ui);
  }
  std::string failure;
  if (!qt::SaveBitmap(qt::ScaledPreview(drawn.page, options.scale), file, failure)) {
    ui.ShowMessage(failure);
    return kExitInputMissing;
  }
  ui.ShowMessage("Preview saved to " + file.string());
  return kExitOk;
}

int RunDesignFileCommand(const DesignFileOptions& options, Session& session) {
  settings::SettingsFile& settings = session.Settings();
  const std::string file = options.file.string();
  if (!options.importing) {
    const std::vector<std::filesystem::path> protectedFiles = session.ProtectedFiles();
    // Over a file the program needs it is a wrong name, as for a PDF.
    if (const auto fault =
            print::ProtectedFileFault(options.file, {}, protectedFiles, "design file")) {
      std::fprintf(stderr, "%s\n", fault->c_str());
      return kExitUsage;
    }
    const std::string failure =
        designs::ExportDesign(settings, options.design, options.file, protectedFiles);
    if (!failure.empty()) {
      std::fprintf(stderr, "%s\n", failure.c_str());
      return kExitInputMissing;
    }
    std::fprintf(stderr, "Custom label design %d written to %s\n", options.design, file.c_str());
    return kExitOk;
  }
  const designs::SlotOutcome outcome =
      designs::ImportDesign(settings, options.design, options.file,
                            designs::DesignPictureFolder(settings), options.replace);
  switch (outcome.change) {
    case designs::SlotChange::Done:
      break;
    case designs::SlotChange::SlotHoldsDesign:
      std::fprintf(stderr, "%s Give --replace to replace it.\n", outcome.message.c_str());
      return kExitUsage;
    case designs::SlotChange::Failed:
      std::fprintf(stderr, "%s\n", outcome.message.c_str());
      return kExitInputMissing;
  }
  std::fprintf(stderr, "%s imported into custom label design %d\n", file.c_str(), options.design);
  const std::string picture =
      settings.ReadSetting(settings::DesignKey(options.design, settings::kDesignImagePath), "");
  if (!picture.empty()) {
    std::fprintf(stderr, "Its picture is %s\n", picture.c_str());
  }
  return kExitOk;
}

}  // namespace tavrilon::batch
