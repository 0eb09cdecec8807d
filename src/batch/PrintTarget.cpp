#include "batch/PrintTarget.h"

#include <cstdio>

#include "batch/ExitStatus.h"
#include "print/PdfJobPath.h"
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
    if (const auto fault = print::PdfDestinationFault(*target.pdf, input, protectedFiles)) {
      std::fprintf(stderr, "%s\n", fault->c_str());
      return kExitUsage;
    }
  }
  if (target.printer) {
    bool installed = false;
    for (const std::string& name : qt::QtPrinterCatalog().InstalledPrinters()) {
      installed = installed || name == printer;
    }
    if (!installed) {
      std::fprintf(stderr, "There is no printer named \"%s\".\n", printer.c_str());
      return kExitInputMissing;
    }
  }
  return std::nullopt;
}

print::SurfaceSource PrintDocumentFor(const PrintTarget& target, std::optional<qt::PrintJob>& job,
                                      std::string documentName,
                                      std::optional<labels::Paper> paper) {
  return [&target, &job, documentName = std::move(documentName), paper] {
    job.emplace(TargetPrinter(target), target.pdf, documentName);
    if (paper) {
      job->SetPaper(*paper);
    }
    return &job->Surface();
  };
}

}  // namespace tavrilon::batch
