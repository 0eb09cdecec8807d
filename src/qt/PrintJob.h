#pragma once

#include <QPrinter>
#include <filesystem>
#include <optional>
#include <string>

#include "labels/SheetCatalogue.h"
#include "qt/QtPrintSurface.h"

namespace tavrilon::qt {

// One print job on a printer of the catalogue: a CUPS queue by its device
// name, or our PDF printer writing `pdfFile`.
class PrintJob {
 public:
  PrintJob(const std::string& deviceName, const std::optional<std::filesystem::path>& pdfFile,
           const std::string& documentName);

  // The sheet's paper; without one the printer's own paper stays.
  void SetPaper(labels::Paper paper);
  print::PrintSurface& Surface() { return *surface_; }

 private:
  QPrinter printer_{QPrinter::HighResolution};
  std::unique_ptr<QtPrintSurface> surface_;
};

}  // namespace tavrilon::qt
