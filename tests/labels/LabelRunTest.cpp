#include <gtest/gtest.h>

#include <filesystem>

#include "labels/LabelRun.h"
#include "print/RecordingSurface.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::labels {
namespace {

namespace fs = std::filesystem;
using print::RecordingSurface;

std::string Contacts(int count) {
  std::string log = "Test log\n<EOH>\n";
  for (int i = 1; i <= count; ++i) {
    log += "<CALL:5>K" + std::to_string(1000 + i).substr(1) + "X<EOR>\n";
  }
  return log;
}

class LabelRunTest : public ::testing::Test {
 protected:
  LabelRunTest() { fs::copy_file(test::ShippedDictionary(), dir_ / "tvadif.txt"); }

  LabelRunOutcome Run(std::string_view log, std::string stock = "5160", std::string skip = "0",
                      std::string design = "DEFAULT") {
    test::WriteFile(dir_ / "log.adi", log);
    choices_ = {(dir_ / "log.adi").string(), std::move(stock), std::move(design), 1};
    skip_ = std::move(skip);
    surfaceAsked_ = false;
    return run_.PrintLabelRun(choices_, skip_, [this]() -> print::PrintSurface* {
      surfaceAsked_ = true;
      return cancel_ ? nullptr : &surface_;
    });
  }

  // The calls printed, with the page and the label's top left corner.
  struct Placed {
    std::string call;
    int page;
    double x;
    double y;
  };
  std::vector<Placed> Calls() const {
    std::vector<Placed> calls;
    for (const auto* text : surface_.Texts()) {
      if (text->font.points == 15 && text->font.bold) {
        calls.push_back({text->text, text->page, text->x, text->y});
      }
    }
    return calls;
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::AdifInput input_{dir_ / "tvadif.txt"};
  test::ScriptedUserInterface ui_;
  LabelRun run_{input_, settings_, ui_};
  RecordingSurface surface_;
  LabelRunChoices choices_;
  std::string skip_;
  bool surfaceAsked_ = false;
  bool cancel_ = false;
};

TEST_F(LabelRunTest, SkippedLabelsMoveTheFirstLabelAndSheetsFollowEachOther) {
  ASSERT_EQ(Run(Contacts(26), "5160", "5"), LabelRunOutcome::Printed);
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 26U);
  // The sixth label of the sheet: column 3, row 2.
  EXPECT_NEAR(calls[0].x, 0.15 + 2 * 2.8, 1e-6);
  EXPECT_NEAR(calls[0].y, 0.45 + 1, 1e-6);
  EXPECT_EQ(calls[0].page, 1);
  // The 25th contact is the last label of the first sheet, the 26th the first of the next.
  EXPECT_EQ(calls[24].page, 1);
  EXPECT_NEAR(calls[24].x, 0.15 + 2 * 2.8, 1e-6);
  EXPECT_NEAR(calls[24].y, 0.45 + 9, 1e-6);
  EXPECT_EQ(calls[25].page, 2);
  EXPECT_NEAR(calls[25].x, 0.15, 1e-6);
  EXPECT_NEAR(calls[25].y, 0.45, 1e-6);
  EXPECT_EQ(ui_.statusTexts.back(), "26 Labels Submitted to the Printer");
  EXPECT_EQ(ui_.progressValues.back(), 100);
  EXPECT_EQ(surface_.operations.back().kind, RecordingSurface::Kind::EndDocument);
}

TEST_F(LabelRunTest, AnEmptySkipBoxIsFilledWithZero) {
  ASSERT_EQ(Run(Contacts(1), "5160", ""), LabelRunOutcome::Printed);
  EXPECT_EQ(skip_, "0");
  EXPECT_NEAR(Calls().at(0).x, 0.15, 1e-6);
}

TEST_F(LabelRunTest, SkippingAWholeSheetLeavesAPageBlank) {
  ASSERT_EQ(Run(Contacts(1), "5160", "30"), LabelRunOutcome::Printed);
  EXPECT_EQ(Calls().at(0).page, 2);
  EXPECT_NEAR(Calls().at(0).x, 0.15, 1e-6);
}

TEST_F(LabelRunTest, RecordsAtTheEndOfTheFileArePrintedOnce) {
  ASSERT_EQ(Run("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT<EOR>"), LabelRunOutcome::Printed);
  ASSERT_EQ(Calls().size(), 2U);
  EXPECT_EQ(Calls()[1].call, "K1JT");
  EXPECT_EQ(ui_.statusTexts.back(), "2 Labels Submitted to the Printer");
  ASSERT_EQ(Run("<EOH>\n<CALL:4>W1AW<EOR>\n"), LabelRunOutcome::Printed);
  EXPECT_EQ(ui_.statusTexts.back(), "1 Labels Submitted to the Printer");
}

TEST_F(LabelRunTest, EveryRunCountsFromOne) {
  Run(Contacts(12));
  ui_.statusTexts.clear();
  Run(Contacts(2));
  EXPECT_EQ(ui_.statusTexts, (std::vector<std::string>{"Printing Labels", "Label 1", "Label 2",
                                                       "2 Labels Submitted to the Printer"}));
}

TEST_F(LabelRunTest, NoLabelIsPlacedWithoutACompleteSheetAndNoDocumentIsStarted) {
  struct Case {
    const char* why;
    std::string stock;
    std::string skip;
    std::string design;
    const char* message;  // the start of it
  } cases[] = {
      {"unknown stock", "9999", "0", "DEFAULT", "The label sheet \"9999\" is not known."},
      {"custom sheet not defined", "Custom 2", "0", "DEFAULT",
       "You have not defined a custom label."},
      {"skip not a whole number", "5160", "2.5", "DEFAULT",
       "The Number of Labels to skip must be a whole number"},
      {"skip of letters", "5160", "five", "DEFAULT",
       "The Number of Labels to skip must be a whole number"},
      {"no design", "5160", "0", "", "Please select Label Design."},
  };
  for (const Case& c : cases) {
    ui_.messages.clear();
    EXPECT_EQ(Run(Contacts(3), c.stock, c.skip, c.design), LabelRunOutcome::Stopped) << c.why;
    EXPECT_FALSE(surfaceAsked_) << c.why;
    ASSERT_EQ(ui_.messages.size(), 1U) << c.why;
    EXPECT_EQ(ui_.messages[0].rfind(c.message, 0), 0U) << c.why << ": " << ui_.messages[0];
  }
  EXPECT_TRUE(surface_.operations.empty());
}

TEST_F(LabelRunTest, AnIncompleteCustomSheetSaysWhatToFix) {
  settings_.WriteSetting("Custom Label", "Label-1", "Custom 1|3||2.8|1|0.45|0.15");
  EXPECT_EQ(Run(Contacts(1), "Custom 1"), LabelRunOutcome::Stopped);
  ASSERT_EQ(ui_.messages.size(), 1U);
  EXPECT_FALSE(surfaceAsked_);
  EXPECT_NE(ui_.messages[0].find("Custom 1"), std::string::npos) << ui_.messages[0];
}

TEST_F(LabelRunTest, ACustomSheetPrintsWhereItsNumbersSay) {
  settings_.WriteSetting("Custom Label", "Label-3", "Custom 3|2|5|4|2|0.5|0.25");
  ASSERT_EQ(Run(Contacts(3), "Custom 3"), LabelRunOutcome::Printed);
  const auto calls = Calls();
  EXPECT_NEAR(calls[2].x, 0.25, 1e-6);
  EXPECT_NEAR(calls[2].y, 0.5 + 2, 1e-6);
}

TEST_F(LabelRunTest, AMissingLabelFileStopsBeforeAnything) {
  choices_ = {(dir_ / "gone.adi").string(), "5160", "DEFAULT", 1};
  EXPECT_EQ(run_.PrintLabelRun(choices_, skip_, [] { return nullptr; }), LabelRunOutcome::Stopped);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Label file does not exist"});
  EXPECT_EQ(ui_.statusTexts.back(), "Printing Labels");
}

TEST_F(LabelRunTest, AMissingDictionaryIsLeftToTheCaller) {
  fs::remove(dir_ / "tvadif.txt");
  EXPECT_EQ(Run(Contacts(1)), LabelRunOutcome::DictionaryMissing);
  EXPECT_FALSE(surfaceAsked_);
}

TEST_F(LabelRunTest, ACancelledDocumentPrintsNothing) {
  cancel_ = true;
  EXPECT_EQ(Run(Contacts(2)), LabelRunOutcome::Cancelled);
  EXPECT_TRUE(surface_.operations.empty());
}

TEST_F(LabelRunTest, TheRealLogsPrintOneLabelPerContact) {
  for (const char* log : {"wsjtx-2.6.1_wsjtx_log.adi", "qrz_logbook_utf8.adi", "xlog.adi",
                          "no_header_pota.adi", "logger32_sync_record.adi"}) {
    surface_.operations.clear();
    choices_ = {test::SharedAdif(log).string(), "5160", "DEFAULT", 1};
    ASSERT_EQ(run_.PrintLabelRun(choices_, skip_, [this] { return &surface_; }),
              LabelRunOutcome::Printed)
        << log;
    EXPECT_EQ(static_cast<int>(Calls().size()), run_.LabelCount) << log;
    EXPECT_GT(run_.LabelCount, 0) << log;
  }
}

}  // namespace
}  // namespace tavrilon::labels
