#include "print/PrinterChoice.h"

namespace tavrilon::print {

bool PrinterChoice::IsPrinterStored(settings::SettingsFile& settings) {
  return !settings.ReadSetting("Globals", "Printer", "").empty();
}

bool PrinterChoice::MakeStoredPrinterCurrent(settings::SettingsFile& settings) {
  current_ = catalog_.SystemDefaultPrinter();
  if (!IsPrinterStored(settings)) {
    return true;
  }
  const std::string stored = settings.ReadSetting("Globals", "Printer", "");
  for (const std::string& name : catalog_.InstalledPrinters()) {
    if (name == stored) {
      current_ = name;
    }
  }
  return false;
}

void PrinterChoice::Choose(std::string_view deviceName, settings::SettingsFile& settings) {
  for (const std::string& name : catalog_.InstalledPrinters()) {
    if (name == deviceName) {
      current_ = name;
      settings.WriteSetting("Globals", "Printer", name);
    }
  }
}

}  // namespace tavrilon::print
