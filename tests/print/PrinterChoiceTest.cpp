#include <gtest/gtest.h>

#include "print/PrinterChoice.h"
#include "support/TestSupport.h"

namespace tavrilon::print {
namespace {

struct FakeCatalog : PrinterCatalog {
  std::vector<std::string> InstalledPrinters() const override {
    return {"Office_Laser", std::string(kPdfPrinterName)};
  }
  std::string SystemDefaultPrinter() const override { return "Office_Laser"; }
};

TEST(PrinterChoice, TheStoredPrinterIsCurrentWhileInstalledAndOnlyAnInstalledOneIsStored) {
  test::TempDir dir;
  settings::SettingsFile settings(dir / "tavrilon.ini");
  FakeCatalog catalog;
  PrinterChoice choice(catalog);
  EXPECT_TRUE(choice.MakeStoredPrinterCurrent(settings)) << "none stored: the dialog is wanted";
  choice.Choose(kPdfPrinterName, settings);
  PrinterChoice nextStart(catalog);
  EXPECT_FALSE(nextStart.MakeStoredPrinterCurrent(settings));
  EXPECT_EQ(nextStart.Current(), kPdfPrinterName);

  settings.WriteSetting("Globals", "Printer", "Old_Inkjet");  // since removed
  EXPECT_FALSE(nextStart.MakeStoredPrinterCurrent(settings));
  EXPECT_EQ(nextStart.Current(), "Office_Laser");
  nextStart.Choose("Gone_Printer", settings);  // not installed either
  EXPECT_EQ(settings.ReadSetting("Globals", "Printer", ""), "Old_Inkjet");
}

}  // namespace
}  // namespace tavrilon::print
