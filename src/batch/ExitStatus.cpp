#include "batch/ExitStatus.h"

#include "adif/FieldTable.h"

namespace tavrilon::batch {

void ReportDictionaryMissing(std::FILE* err, const adif::AdifInput& input) {
  std::fprintf(err, "%s\n", adif::DictionaryStopText(input.DictionaryFault()).c_str());
}

}  // namespace tavrilon::batch
