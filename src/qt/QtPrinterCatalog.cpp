#include "qt/QtPrinterCatalog.h"

#include <QPrinterInfo>

namespace tavrilon::qt {

std::vector<std::string> QtPrinterCatalog::InstalledPrinters() const {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    names.push_back(name.toStdString());
  }
  names.emplace_back(print::kPdfPrinterName);
  return names;
}

std::string QtPrinterCatalog::SystemDefaultPrinter() const {
  const QString name = QPrinterInfo::defaultPrinterName();
  return name.isEmpty() ? std::string(print::kPdfPrinterName) : name.toStdString();
}

}  // namespace tavrilon::qt
