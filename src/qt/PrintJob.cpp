#include "qt/PrintJob.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "print/PrinterChoice.h"

namespace tavrilon::qt {

PrintJob::PrintJob(const std::string& deviceName,
                   const std::optional<std::filesystem::path>& pdfFile,
                   const std::string& documentName) {
  if (deviceName == print::kPdfPrinterName || pdfFile) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QString::fromStdString(pdfFile ? pdfFile->string() : ""));
    // Paper and printable area are one: labels land where the sheet has them.
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  } else {
    printer_.setPrinterName(QString::fromStdString(deviceName));
  }
  printer_.setFullPage(false);
  printer_.setDocName(QString::fromStdString(documentName));
  printer_.setCreator(QStringLiteral("Tavrilon"));
  surface_ = std::make_unique<QtPrintSurface>(printer_);
}

void PrintJob::SetPaper(labels::Paper paper) {
  printer_.setPageSize(
      QPageSize(paper == labels::Paper::UsLetter ? QPageSize::Letter : QPageSize::A4));
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }
}

}  // namespace tavrilon::qt
