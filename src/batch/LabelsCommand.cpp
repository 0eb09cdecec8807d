#include "batch/LabelsCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "labels/LabelRun.h"
#include "labels/LabelStocks.h"
#include "text/Text.h"

namespace tavrilon::batch {

namespace {

// The stock the main window has chosen: "QSL Labels"/"LabelType" as an index
// of the stock list, the first stock when it is none.
std::string StoredStock(settings::SettingsFile& settings) {
  const auto index = text::ParseDecimal(settings.ReadSetting("QSL Labels", "LabelType", "0"));
  if (!index || *index < 0 || static_cast<std::size_t>(*index) >= labels::kLabelStocks.size()) {
    return std::string(labels::kLabelStocks[0]);
  }
  return std::string(labels::kLabelStocks[static_cast<std::size_t>(*index)]);
}

}  // namespace

int RunLabelsCommand(const LabelsOptions& options, Session& session) {
  settings::SettingsFile& settings = session.Settings();
  if (const auto status = CheckPrintTarget(options.target, options.log, session.OwnFiles())) {
    return *status;
  }

  labels::LabelRunRequest request;
  request.labelInputFile = options.log.string();
  request.labelStock = options.stock.value_or(StoredStock(settings));
  request.design = labels::LabelDesignOf(settings.ReadSetting("QSL Labels", "LabelLayOut", ""));
  const auto style = text::ParseDecimal(settings.ReadSetting("QSL Labels", "LabelSet", "1"));
  request.labelStyle = style && *style >= 1 && *style <= 3 ? static_cast<int>(*style) : 1;
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
