#include "batch/PrintTarget.h"

#include <cstdio>

#include "batch/ExitStatus.h"
#include "print/OutputDestination.h"
#include "print/PrinterChoice.h"
#include "qt/QtPrinterCatalog.h"

namespace tavrilon::batch {

std::string TargetPrinter(const PrintTarget& target) {
  return target.printer.value_or(std::string(print::kPdfPrinterName));
}

std::optional<int> CheckPrintTarget(const PrintTarget& target, const std::filesystem::path& input,
                                    const std::vector<std::filesystem::path>& protectedFiles) {
  const std::string printer = TargetPrinter(target);
  if (printer == print::kPdfPrinterName && !target.pdf) {
    std::fprintf(stderr, "The PDF printer needs --pdf OUT: the file to write.\n");
    return kExitUsage;
  }
  if (target.pdf) {
    if (const auto fault = print::OutputDestinationFault(*target.pdf, input, protectedFiles)) {
      std::fprintf(stderr, "%s\n", fault->c_str());
      return kExitUsage;
    }
  }
  if (target.printer && !PrinterInstalled(printer)) {
    return kExitInputMissing;
  }
  return std::nullopt;
}

bool PrinterInstalled(const std::string& printer) {
  if (qt::QtPrinterCatalog().IsInstalled(printer)) {
    return true;
  }
  std::fprintf(stderr, "There is no printer named \"%s\".\n", printer.c_str());
  return false;
}

print::SurfaceSource PrintDocumentFor(const PrintTarget& target, std::optional<qt::PrintJob>& job,
                                      std::string_view jobName,
                                      std::optional<sheets::PaperSize> paper) {
  return [&target, &job, jobName, paper] {
    return &job.emplace(TargetPrinter(target), target.pdf, jobName, paper).Surface();
  };
}

}  // namespace tavrilon::batch
