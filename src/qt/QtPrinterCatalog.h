#pragma once

#include "print/PrinterChoice.h"

namespace tavrilon::qt {

// The printers CUPS offers, through Qt's print support, and our PDF printer
// last, which is always there.
class QtPrinterCatalog : public print::PrinterCatalog {
 public:
  std::vector<std::string> InstalledPrinters() const override;
  std::string SystemDefaultPrinter() const override;
};

}  // namespace tavrilon::qt
