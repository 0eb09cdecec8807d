#include "batch/LabelsCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "labels/LabelRun.h"
#include "labels/LabelStocks.h"
#include "shell/StoredChoices.h"

namespace tavrilon::batch {

int RunLabelsCommand(const LabelsOptions& options, Session& session) {
  settings::SettingsFile& settings = session.Settings();
  if (const auto status = CheckPrintTarget(options.target, options.log, session.OwnFiles())) {
    return *status;
  }

  // The design, style and stock the window would start with.
  const shell::StoredChoices stored = shell::ReadStoredChoices(settings);
  labels::LabelRunRequest request;
  request.labelInputFile = options.log.string();
  request.labelStock = options.stock.value_or(std::string(labels::kLabelStocks[stored.stockIndex]));
  request.design = stored.labelDesign;
  request.labelStyle = stored.StyleInForce();
  request.labelSkip = options.skip;

  ConsoleUserInterface ui(stderr);
  labels::LabelRun run(session.Input(), settings, ui);
  std::optional<qt::PrintJob> job;
  const labels::LabelRunResult result =
      run.PrintLabelRun(request, PrintDocumentFor(options.target, job, "Tavrilon QSL labels",
                                                  labels::StockPaper(request.labelStock)));
  return ExitStatusOf(result.outcome, session.Input());
}

}  // namespace tavrilon::batch
