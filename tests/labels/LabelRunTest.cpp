#include <filesystem>
#include <tuple>

#include <gtest/gtest.h>

#include "labels/LabelRun.h"
#include "print/RecordingSurface.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::labels {
using designs::LabelDesign;
namespace {

namespace fs = std::filesystem;
using print::RecordingSurface;

class LabelRunTest : public test::LabelRunFixture {
 protected:
  LabelRunTest() : LabelRunFixture(std::size_t{1} << 16) {}

  RunOutcome Run(std::string_view log, std::string stock = "5160", std::string skip = "0",
                 LabelDesign design = LabelDesign::Default) {
    test::WriteFile(dir_ / "log.adi", log);
    // No country file: the summary is the same on every machine.
    return Run({.labelInputFile = (dir_ / "log.adi").string(),
                .labelStock = std::move(stock),
                .design = design,
                .labelSkip = std::move(skip),
                .countryFile = (dir_ / "none.dat").string()});
  }
  RunOutcome Run(const LabelRunRequest& request) {
    surfaceAsked_ = false;
    surface_.operations.clear();
    const LabelRunResult result = run_.PrintLabelRun(request, [this]() -> print::PrintSurface* {
      surfaceAsked_ = true;
      return cancel_ ? nullptr : &surface_;
    });
    skip_ = result.labelSkip;
    return result.outcome;
  }

  // The calls printed: each label's first text.
  std::vector<const RecordingSurface::Operation*> Calls() const {
    std::vector<const RecordingSurface::Operation*> calls;
    for (const auto* text : surface_.Texts()) {
      if (text->font.points == 15 && text->font.bold) {
        calls.push_back(text);
      }
    }
    return calls;
  }

  std::string skip_;
  bool surfaceAsked_ = false;
  bool cancel_ = false;
};

// Where the labels go is the printers' test; here the run around them.
TEST_F(LabelRunTest, EveryContactIsPrintedAndTheDocumentEnded) {
  ASSERT_EQ(Run(test::ContactLog(26), "5160", "5"), RunOutcome::Completed);
  EXPECT_EQ(Calls().size(), 26U);
  EXPECT_EQ(ui_.statusTexts.back(),
            "26 Labels Submitted to the Printer: 26 contacts, 26 stations, 0 via a manager");
  EXPECT_EQ(ui_.progressValues.back(), 100);
  EXPECT_EQ(surface_.operations.back().kind, RecordingSurface::Kind::EndDocument);
  EXPECT_FALSE(run_.Sent().Ready());  // the request did not ask to keep them

  // The next run counts from one again; an empty skip box is filled with 0.
  ui_.statusTexts.clear();
  ASSERT_EQ(Run(test::ContactLog(1), "5160", ""), RunOutcome::Completed);
  EXPECT_EQ(skip_, "0");
  EXPECT_EQ(ui_.statusTexts,
            (std::vector<std::string>{
                "Printing Labels", "Label 1",
                "1 Labels Submitted to the Printer: 1 contact, 1 station, 0 via a manager"}));
  EXPECT_NEAR(Calls().at(0)->x, 0.1875, 1e-6);
  EXPECT_NEAR(Calls().at(0)->y, 0.5, 1e-6);
}

// A document is asked for only with a complete sheet and skip count, and is
// thrown away when the log gives no label or cannot be read to its end.
TEST_F(LabelRunTest, ARunThatCannotPrintSaysWhyAndLeavesNoDocument) {
  settings_.WriteSetting("Custom Label", "Label-1", "Custom 1|3||2.8|1|0.45|0.15");
  settings_.WriteSetting("Custom Label Layout-1", "Field1ADIF", "NOSUCH");
  const std::string tooLong =
      "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:4>K1JT" + std::string(std::size_t{1} << 16, 'x') + "<EOR>";
  const struct {
    std::string stock;
    std::string skip;
    const char* says;                        // part of the one message shown
    const char* status = "Printing Labels";  // the last status text
    LabelDesign design = LabelDesign::Default;
    std::string log = test::ContactLog(3);
  } cases[] = {
      {"Custom 4", "0", "The label sheet \"Custom 4\" is not known."},
      {"custom 2", "0", "You have not defined a custom label."},
      {"Custom 1", "0", "Custom 1 cannot be printed on: its Number Down is missing"},
      {"5160", "2.5", "must be a whole number from 0 to 32767"},
      {"5160", "0", "Please select Label Design.", "Printing Labels", LabelDesign::None},
      {"5160", "0", " holds no contacts; nothing was printed.", "Nothing Printed",
       LabelDesign::Default, "Header only\n<EOH>\n"},
      {"5160", "0", "could not be read to its end, so nothing was printed", "Printing Failed",
       LabelDesign::Default, tooLong},
      // Pages without a mark are no result either.
      {"5160", "40", "design 1 drew nothing on the 3 labels of ", "Nothing Printed",
       LabelDesign::Custom1},
  };
  for (const auto& c : cases) {
    ui_.messages.clear();
    EXPECT_EQ(Run(c.log, c.stock, c.skip, c.design), RunOutcome::Stopped) << c.says;
    ASSERT_EQ(ui_.messages.size(), 1U) << c.says;
    EXPECT_NE(ui_.messages[0].find(c.says), std::string::npos) << ui_.messages[0];
    EXPECT_EQ(ui_.statusTexts.back(), c.status) << c.says;
    const bool begun = std::string_view(c.status) != "Printing Labels";
    EXPECT_EQ(surfaceAsked_, begun) << c.says;
    EXPECT_EQ(!surface_.operations.empty() &&
                  surface_.operations.back().kind == RecordingSurface::Kind::DiscardDocument,
              begun)
        << c.says;
  }
}

// A date that is no date prints as it stands; the run names such contacts once.
TEST_F(LabelRunTest, DatesThatAreNoDatesAreToldOnceAfterTheRun) {
  std::string log = "<EOH>\n";
  int call = 0;
  for (const std::string date : {"20241328", "20240328", "20230229", "2024", "", "20241301",
                                 "20241302", "20241303", "20241304"}) {
    log += "<CALL:2>A" + std::to_string(++call) + "<QSO_DATE:" + std::to_string(date.size()) + ">" +
           date + "<EOR>\n";
  }
  ASSERT_EQ(Run(log), RunOutcome::Completed);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{
                              "7 contacts have a QSO_DATE that is no date, printed as it stands: "
                              "A1 (28 XXX 2024), A3 (29 FEB 2023), A4 (Unknown), A6 (01 XXX "
                              "2024), A7 (02 XXX 2024) and 2 more."});
}

TEST_F(LabelRunTest, AMissingLabelFileOrDictionaryOrACancelStopsBeforePrinting) {
  EXPECT_EQ(Run({(dir_ / "gone.adi").string(), "5160", LabelDesign::Default, 1, "0"}),
            RunOutcome::Stopped);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Label file does not exist"});

  cancel_ = true;
  EXPECT_EQ(Run(test::ContactLog(2)), RunOutcome::Cancelled);
  EXPECT_TRUE(surface_.operations.empty());

  fs::remove(dir_.Dictionary());
  EXPECT_EQ(Run(test::ContactLog(1)),
            RunOutcome::DictionaryMissing);  // the caller ends the program
  EXPECT_FALSE(surfaceAsked_);
}

// The correction stored for one printer moves that printer's labels only;
// one that cannot be read stops the run before a document is made.
TEST_F(LabelRunTest, OnlyThePrintersOwnCorrectionMovesItsLabels) {
  test::WriteFile(dir_ / "log.adi", test::ContactLog(2));
  settings_.WriteSetting("Printer Calibration", "Office_Laser", "1.5,-1");
  LabelRunRequest request{(dir_ / "log.adi").string(), "5160", LabelDesign::Default, 1, "0"};
  for (const auto& [printer, dx, dy] :
       {std::tuple("Home_Inkjet", 0.0, 0.0), std::tuple("Office_Laser", 1.5 / 25.4, -1 / 25.4)}) {
    request.printer = printer;
    ASSERT_EQ(Run(request), RunOutcome::Completed);
    ASSERT_EQ(Calls().size(), 2U);
    EXPECT_NEAR(Calls()[1]->x, 0.1875 + 2.75 + dx, 1e-6) << printer;  // the second label, too
    EXPECT_NEAR(Calls()[1]->y, 0.5 + dy, 1e-6) << printer;
  }

  settings_.WriteSetting("Printer Calibration", "Office_Laser", "1.5;-1");
  EXPECT_EQ(Run(request), RunOutcome::Stopped);
  EXPECT_FALSE(surfaceAsked_);
  ASSERT_FALSE(ui_.messages.empty());
  EXPECT_NE(ui_.messages.back().find("\"1.5;-1\" in [Printer Calibration]"), std::string::npos)
      << ui_.messages.back();
}

}  // namespace
}  // namespace tavrilon::labels
