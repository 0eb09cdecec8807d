#include <gtest/gtest.h>

#include "print/PrinterChoice.h"
#include "support/TestSupport.h"

namespace tavrilon::print {
namespace {

class FakeCatalog : public PrinterCatalog {
 public:
  std::vector<std::string> InstalledPrinters() const override {
    return {"Office_Laser", std::string(kPdfPrinterName)};
  }
  std::string SystemDefaultPrinter() const override { return "Office_Laser"; }
};

class PrinterChoiceTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  FakeCatalog catalog_;
};

TEST_F(PrinterChoiceTest, NoStoredPrinterAsksForTheDialog) {
  PrinterChoice choice(catalog_);
  EXPECT_TRUE(choice.MakeStoredPrinterCurrent(settings_));
  EXPECT_EQ(choice.Current(), "Office_Laser");
}

TEST_F(PrinterChoiceTest, AChosenPrinterIsStoredAndCurrentAgainAtTheNextStart) {
  PrinterChoice choice(catalog_);
  choice.Choose(kPdfPrinterName, settings_);
  EXPECT_EQ(choice.Current(), kPdfPrinterName);
  EXPECT_EQ(settings_.ReadSetting("Globals", "Printer", ""), kPdfPrinterName);

  PrinterChoice nextStart(catalog_);
  EXPECT_FALSE(nextStart.MakeStoredPrinterCurrent(settings_));
  EXPECT_EQ(nextStart.Current(), kPdfPrinterName);
}

TEST_F(PrinterChoiceTest, APrinterNoLongerInstalledLeavesTheDefaultAndChangesNothing) {
  settings_.WriteSetting("Globals", "Printer", "Old_Inkjet");
  PrinterChoice choice(catalog_);
  EXPECT_FALSE(choice.MakeStoredPrinterCurrent(settings_));
  EXPECT_EQ(choice.Current(), "Office_Laser");
  choice.Choose("Old_Inkjet", settings_);
  EXPECT_EQ(choice.Current(), "Office_Laser");
  EXPECT_EQ(settings_.ReadSetting("Globals", "Printer", ""), "Old_Inkjet");
}

}  // namespace
}  // namespace tavrilon::print
