#include "qt/PrintJob.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "print/PdfFileCheck.h"
#include "print/PrinterChoice.h"

namespace tavrilon::qt {

PrintJob::PrintJob(const std::string& deviceName,
                   const std::optional<std::filesystem::path>& pdfFile, std::string_view job,
                   std::optional<sheets::PaperSize> paper) {
  std::string failure;
  if (deviceName == print::kPdfPrinterName || pdfFile) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    pdfTarget_ = pdfFile.value_or(std::filesystem::path());
    pdf_.emplace(pdfTarget_);
    if (pdfTarget_.empty() || !pdf_->Open()) {
      failure = "the file " + pdfTarget_.string() + " cannot be written: " +
                (pdfTarget_.empty() ? std::string("no file was named") : pdf_->Failure());
    } else {
      pdfWritten_ = pdf_->HandOver();
      // Only a name: an empty one would turn the job back to the system's printer.
      printer_.setOutputFileName(QString::fromStdString(pdfWritten_.string()));
    }
    // Paper and printable area are one: labels land where the sheet has them.
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  } else {
    printer_.setPrinterName(QString::fromStdString(deviceName));
  }
  printer_.setFullPage(false);
  printer_.setDocName(QStringLiteral("Tavrilon ") +
                      QString::fromUtf8(job.data(), static_cast<qsizetype>(job.size())));
  printer_.setCreator(QStringLiteral("Tavrilon"));
  surface_ = std::make_unique<QtPrintSurface>(
      printer_, [this](std::string& reason) { return !pdf_ || CommitPdf(reason); });
  if (!failure.empty()) {
    surface_->Fail(std::move(failure));
  }
  if (paper) {
    SetPaper(*paper);
  }
}

bool PrintJob::CommitPdf(std::string& reason) {
  const std::string cannot = "the file " + pdfTarget_.string() + " could not be written: ";
  if (std::string fault = print::PdfFileFault(pdfWritten_); !fault.empty()) {
    reason = cannot + fault;
    return false;
  }
  if (!pdf_->Commit(true)) {
    reason = cannot + pdf_->Failure();
    return false;
  }
  return true;
}

void PrintJob::SetPaper(const sheets::PaperSize& paper) {
  // A size within a point or so of a standard one is that one, so the printer
  // sees "A4" and not a custom size.
  printer_.setPageSize(QPageSize(QSizeF(paper.width, paper.height), QPageSize::Inch,
                                 QString::fromStdString(paper.name)));
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }
}

}  // namespace tavrilon::qt
