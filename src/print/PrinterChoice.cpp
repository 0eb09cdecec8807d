#include "print/PrinterChoice.h"

namespace tavrilon::print {

bool PrinterChoice::IsPrinterStored(settings::SettingsFile& settings) {
  return !settings.ReadSetting(settings::kPrinter, "").empty();
}

bool PrinterChoice::MakeStoredPrinterCurrent(settings::SettingsFile& settings) {
  current_ = catalog_.SystemDefaultPrinter();
  if (!IsPrinterStored(settings)) {
    return true;
  }
  const std::string stored = settings.ReadSetting(settings::kPrinter, "");
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
      settings.WriteSetting(settings::kPrinter, name);
    }
  }
}

}  // namespace tavrilon::print
