#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/PrintSurface.h"
#include "qt/PrintJob.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::batch {

// Where a batch print run goes: our PDF printer writing a file, or an
// installed printer by its device name.
struct PrintTarget {
  std::optional<std::filesystem::path> pdf;
  std::optional<std::string> printer;
};

// The printer's name: our PDF printer's when the target is a file.
std::string TargetPrinter(const PrintTarget& target);

// Checks the target for a run over `input` before a record is read: a PDF
// file that may be written (never the input or one of `protectedFiles`), a
// printer that is installed. Tells why on standard error; answers the exit status to
// end with, or nothing when the run may go on.
std::optional<int> CheckPrintTarget(const PrintTarget& target, const std::filesystem::path& input,
                                    const std::vector<std::filesystem::path>& protectedFiles);

// Whether the printer of that device name is installed (our PDF printer
// always is); says on standard error when it is not.
bool PrinterInstalled(const std::string& printer);

// The run's print document, made when the run asks for it; `jobName` names
// the run as qt::PrintJob takes it.
print::SurfaceSource PrintDocumentFor(const PrintTarget& target, std::optional<qt::PrintJob>& job,
                                      std::string_view jobName,
                                      std::optional<sheets::PaperSize> paper);

}  // namespace tavrilon::batch
