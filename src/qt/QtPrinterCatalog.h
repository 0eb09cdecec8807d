#pragma once

#include "print/PrinterChoice.h"

namespace tavrilon::qt {

// The printers CUPS offers, through Qt's print support, and our PDF printer
// last, which is always there.
class QtPrinterCatalog : public print::PrinterCatalog {
 public:
  std::vector<std::string> InstalledPrinters() const override;
  std::string SystemDefaultPrinter() const override;
  // Whether a printer of that device name is installed; ours always is.
  bool IsInstalled(std::string_view deviceName) const;
};

}  // namespace tavrilon::qt
