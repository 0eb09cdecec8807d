#include "batch/ExitStatus.h"

#include "adif/FieldTable.h"

namespace tavrilon::batch {

void ReportDictionaryMissing(std::FILE* err, const adif::AdifInput& input) {
  std::fprintf(err, "%s\n", adif::DictionaryStopText(input.DictionaryFault()).c_str());
}

int ExitStatusOf(RunOutcome outcome, const adif::AdifInput& input, UserInterface& ui) {
  switch (outcome) {
    case RunOutcome::Completed:
      return kExitOk;
    case RunOutcome::DictionaryMissing:
      ui.ShowMessage(adif::DictionaryStopText(input.DictionaryFault()), MessageIcon::Critical);
      return kExitDictionaryMissing;
    case RunOutcome::Stopped:
    case RunOutcome::Cancelled:
      break;
  }
  return kExitInputMissing;
}

}  // namespace tavrilon::batch
