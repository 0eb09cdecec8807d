#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <QPrinter>

#include "files/ReplacingFile.h"
#include "qt/QtPrintSurface.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::qt {

// One print job on a printer of the catalogue: a CUPS queue by its device
// name, or our PDF printer writing `pdfFile`. The PDF is written beside its
// place and moved there only when the document ended whole, so a run that
// fails (a full disk, a folder gone, a signal) leaves an older file as it
// was. When the file cannot even be begun, the surface comes failed.
class PrintJob {
 public:
  // `job` names the run ("labels", "logbook"); the document, as the print
  // queue and the PDF show it, is "Tavrilon " and the job. The sheet's
  // `paper`; without one the printer's own paper stays.
  PrintJob(const std::string& deviceName, const std::optional<std::filesystem::path>& pdfFile,
           std::string_view job, std::optional<sheets::PaperSize> paper);

  print::PrintSurface& Surface() { return *surface_; }

 private:
  bool CommitPdf(std::string& reason);
  void SetPaper(const sheets::PaperSize& paper);

  QPrinter printer_{QPrinter::HighResolution};
  std::optional<files::ReplacingFile> pdf_;
  std::filesystem::path pdfTarget_;
  std::filesystem::path pdfWritten_;
  std::unique_ptr<QtPrintSurface> surface_;
};

}  // namespace tavrilon::qt
