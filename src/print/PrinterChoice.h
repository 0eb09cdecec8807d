#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsFile.h"

namespace tavrilon::print {

// The printer of our own that writes PDF files; always installed.
inline constexpr std::string_view kPdfPrinterName = "Tavrilon PDF";

// The printers the system offers, by device name, in the system's order.
class PrinterCatalog {
 public:
  virtual ~PrinterCatalog() = default;
  virtual std::vector<std::string> InstalledPrinters() const = 0;
  virtual std::string SystemDefaultPrinter() const = 0;
  // Whether a printer of that device name is installed.
  bool IsInstalled(std::string_view deviceName) const;
};

// The program's current printer, which every print run uses.
class PrinterChoice {
 public:
  explicit PrinterChoice(const PrinterCatalog& catalog) : catalog_(catalog) {}

  const PrinterCatalog& Catalog() const { return catalog_; }
  const std::string& Current() const { return current_; }
  // Whether the printer dialog's choice was ever stored: the print buttons
  // open that dialog first when it was not.
  static bool IsPrinterStored(settings::SettingsFile& settings);

  // At start: the stored printer becomes current when it is installed;
  // otherwise the system's default stays current. Answers whether no printer
  // is stored, so that the printer dialog must open.
  bool MakeStoredPrinterCurrent(settings::SettingsFile& settings);

  // The printer dialog's Apply: every installed printer of that name becomes
  // current and is stored. Nothing changes for a name that is not installed.
  void Choose(std::string_view deviceName, settings::SettingsFile& settings);

 private:
  const PrinterCatalog& catalog_;
  std::string current_;
};

}  // namespace tavrilon::print
