#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "labels/SheetCatalogue.h"
#include "print/PrintSurface.h"
#include "qt/PrintJob.h"

namespace tavrilon::batch {

// Where a batch print run goes: our PDF printer writing a file, or an
// installed printer by its device name.
struct PrintTarget {
  std::optional<std::filesystem::path> pdf;
  std::optional<std::string> printer;
};

// Checks the target for a run over `input` (the PDF never over the input, a
// printer that is installed), telling why on standard error. Answers the
// exit status to end with, or nothing when the run may go on.
std::optional<int> CheckPrintTarget(const PrintTarget& target, const std::filesystem::path& input);

// The run's print document, made when the run asks for it.
print::SurfaceSource PrintDocumentFor(const PrintTarget& target, std::optional<qt::PrintJob>& job,
                                      std::string documentName, std::optional<labels::Paper> paper);

}  // namespace tavrilon::batch
