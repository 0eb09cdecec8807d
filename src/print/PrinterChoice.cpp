#include "print/PrinterChoice.h"

#include <algorithm>

namespace tavrilon::print {

bool PrinterCatalog::IsInstalled(std::string_view deviceName) const {
  const std::vector<std::string> installed = InstalledPrinters();
  return std::ranges::find(installed, deviceName) != installed.end();
}

bool PrinterChoice::IsPrinterStored(settings::SettingsFile& settings) {
  return !settings.ReadSetting(settings::kPrinter, "").empty();
}

bool PrinterChoice::MakeStoredPrinterCurrent(settings::SettingsFile& settings) {
  current_ = catalog_.SystemDefaultPrinter();
  if (!IsPrinterStored(settings)) {
    return true;
  }
  if (std::string stored = settings.ReadSetting(settings::kPrinter, "");
      catalog_.IsInstalled(stored)) {
    current_ = std::move(stored);
  }
  return false;
}

void PrinterChoice::Choose(std::string_view deviceName, settings::SettingsFile& settings) {
  if (catalog_.IsInstalled(deviceName)) {
    current_ = deviceName;
    settings.WriteSetting(settings::kPrinter, current_);
  }
}

}  // namespace tavrilon::print
