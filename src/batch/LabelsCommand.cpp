#include "batch/LabelsCommand.h"

#include <cstdio>

#include "batch/ConsoleUserInterface.h"
#include "batch/ExitStatus.h"
#include "print/OutputDestination.h"
#include "settings/OperatorInfo.h"
#include "sheets/LabelStocks.h"
#include "shell/StoredChoices.h"

namespace tavrilon::batch {

std::optional<labels::LabelRunRequest> StoredLabelRequest(const LabelsOptions& options,
                                                          settings::SettingsFile& settings) {
  // The design, style, stock and sort box the window would start with.
  const shell::StoredChoices stored = shell::ReadStoredChoices(settings);
  labels::LabelRunRequest request;
  request.labelInputFile = options.log.string();
  request.labelStock = options.stock.value_or(stored.StockInForce());
  request.design = stored.labelDesign;
  request.labelSkip = options.skip;
  request.order = options.order.value_or(stored.order);
  request.contacts.contacts = options.contacts.value_or(stored.contacts);
  request.contacts.from = options.from;
  request.contacts.to = options.to;
  request.addressPerStation = options.addressPerStation || stored.addressPerStation;
  request.countryFile = stored.countryFile;
  request.useQrz = stored.useQrz;
  request.printer = TargetPrinter(options.target);
  request.keepSent = options.sentLog.has_value();
  if (options.design) {
    request.design = designs::LabelDesignOf(*options.design);
    if (request.design == designs::LabelDesign::None) {
      std::fprintf(stderr,
                   "The design \"%s\" is none of DEFAULT, SIMPLE, CUSTOM1, CUSTOM2, CUSTOM3.\n",
                   options.design->c_str());
      return std::nullopt;
    }
  }
  const bool simple = request.design == designs::LabelDesign::Simple;
  if (!options.style) {
    // The stored style goes with the Simple design only, as in the window.
    request.labelStyle = !simple ? 1 : options.design ? stored.labelStyle : stored.StyleInForce();
    return request;
  }
  const std::string& style = *options.style;
  if (style != "1" && style != "2" && style != "3") {
    std::fprintf(stderr, "The label style \"%s\" is none of 1, 2, 3.\n", style.c_str());
    return std::nullopt;
  }
  request.labelStyle = style[0] - '0';
  if (request.labelStyle > 1 && !simple) {
    std::fprintf(stderr,
                 "Label styles 2 and 3 (mailing and return labels) go with the SIMPLE design "
                 "only.\n");
    return std::nullopt;
  }
  return request;
}

int RunLabelsCommand(const LabelsOptions& options, Session& session) {
  settings::SettingsFile& settings = session.Settings();
  // Once a run: finding the callbook's files lists its folder.
  const std::vector<std::filesystem::path> protectedFiles = session.ProtectedFiles();
  if (const auto status = CheckPrintTarget(options.target, options.log, protectedFiles)) {
    return *status;
  }
  if (options.sentLog) {
    // Nor over the labels' own PDF, which the run writes first.
    std::vector<std::filesystem::path> keep = protectedFiles;
    if (options.target.pdf) {
      keep.push_back(*options.target.pdf);
    }
    if (const auto fault =
            print::OutputDestinationFault(*options.sentLog, options.log, keep, "sent log")) {
      std::fprintf(stderr, "%s\n", fault->c_str());
      return kExitUsage;
    }
  }
  const auto stored = StoredLabelRequest(options, settings);
  if (!stored) {
    return kExitUsage;
  }
  const labels::LabelRunRequest& request = *stored;

  ConsoleUserInterface ui(stderr);
  // The window asks for the call before its first label run; a script is
  // told, and its labels, which do not print the call, are printed.
  if (settings::OperatorCallUnset(settings)) {
    ui.ShowMessage(
        "Your call sign is not set yet; your logbook and its web page are headed by it. Set it in "
        "Tavrilon (SetUp, Your Information) or as MyCall under [Globals] in " +
        settings.Path().string() + ".");
  }
  labels::LabelRun run(session.Input(), settings, session.LabelSheets(), ui, ui);
  std::optional<qt::PrintJob> job;
  const labels::LabelRunResult result = run.PrintLabelRun(
      request, PrintDocumentFor(options.target, job, "labels", run.Paper(request)));
  if (result.outcome != RunOutcome::Completed) {
    return ExitStatusOf(result.outcome, session.Input(), ui);
  }
  const int printed = result.mailingLabelsMissing ? kExitMailingLabelsMissing : kExitOk;
  int status = printed;
  if (options.sentLog) {
    const labels::SentSaveOutcome saved =
        run.Sent().Save(*options.sentLog, options.bureau, protectedFiles);
    if (saved.saved) {
      ui.ShowMessage(std::to_string(run.Sent().Count()) + " contacts saved as sent to " +
                     options.sentLog->string());
    } else {
      ui.ShowMessage(saved.failure);
      status = kExitInputMissing;
    }
  }
  ui.ShowMessage(result.chosenText);
  ui.ShowMessage(result.summaryText);
  return status;
}

}  // namespace tavrilon::batch
