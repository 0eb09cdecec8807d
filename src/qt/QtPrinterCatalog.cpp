#include "qt/QtPrinterCatalog.h"

#include <algorithm>

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

bool QtPrinterCatalog::IsInstalled(std::string_view deviceName) const {
  const std::vector<std::string> installed = InstalledPrinters();
  return std::ranges::find(installed, deviceName) != installed.end();
}

}  // namespace tavrilon::qt
