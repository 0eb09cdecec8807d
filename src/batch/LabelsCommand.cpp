#include "batch/LabelsCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "labels/LabelStocks.h"
#include "shell/StoredChoices.h"

namespace tavrilon::batch {

std::optional<labels::LabelRunRequest> StoredLabelRequest(const LabelsOptions& options,
                                                          settings::SettingsFile& settings) {
  // The design, style, stock and sort box the window would start with.
  const shell::StoredChoices stored = shell::ReadStoredChoices(settings);
  labels::LabelRunRequest request;
  request.labelInputFile = options.log.string();
  request.labelStock = options.stock.value_or(std::string(labels::kLabelStocks[stored.stockIndex]));
  request.design = stored.labelDesign;
  request.labelStyle = stored.StyleInForce();
  request.labelSkip = options.skip;
  request.sortFile = stored.sortFile;
  if (options.design) {
    request.design = labels::LabelDesignOf(*options.design);
    if (request.design == labels::LabelDesign::None ||
        request.design == labels::LabelDesign::Simple) {
      std::fprintf(stderr, "The design \"%s\" is none of DEFAULT, CUSTOM1, CUSTOM2, CUSTOM3.\n",
                   options.design->c_str());
      return std::nullopt;
    }
  }
  return request;
}

int RunLabelsCommand(const LabelsOptions& options, Session& session) {
  settings::SettingsFile& settings = session.Settings();
  if (const auto status = CheckPrintTarget(options.target, options.log, session.OwnFiles())) {
    return *status;
  }
  const auto stored = StoredLabelRequest(options, settings);
  if (!stored) {
    return kExitUsage;
  }
  const labels::LabelRunRequest& request = *stored;

  ConsoleUserInterface ui(stderr);
  labels::LabelRun run(session.Input(), settings, ui);
  std::optional<qt::PrintJob> job;
  const labels::LabelRunResult result =
      run.PrintLabelRun(request, PrintDocumentFor(options.target, job, "Tavrilon QSL labels",
                                                  labels::StockPaper(request.labelStock)));
  return ExitStatusOf(result.outcome, session.Input());
}

}  // namespace tavrilon::batch
