#include "batch/ExitStatus.h"

#include "adif/FieldTable.h"

namespace tavrilon::batch {

void ReportDictionaryMissing(std::FILE* err) {
  for (std::string_view line : adif::kDictionaryMissingLines) {
    std::fprintf(err, "%.*s\n", static_cast<int>(line.size()), line.data());
  }
}

}  // namespace tavrilon::batch
