#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "labels/LabelRun.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::labels {
using designs::LabelDesign;
using sending::Contacts;
using sending::RunOrder;
namespace {

// Invented entities; "*" marks one that is no DXCC country.
constexpr std::string_view kCountries =
    "Testland East:  14:  28:  EU:  51.00:  -10.00:  -1.0:  DL:\n"
    "    DL,DJ;\n"
    "Testland South: 14:  37:  EU:  40.00:    3.00:  -1.0:  EA:\n"
    "    EA;\n"
    "Testland West:  05:  08:  NA:  43.00:   87.00:   5.0:  K:\n"
    "    K,W,AA;\n"
    "Testland North: 15:  28:  EU:  52.00:  -20.00:  -1.0:  SP:\n"
    "    SP;\n"
    "Testland Award: 15:  28:  EU:  52.00:  -20.00:  -1.0:  *SP9:\n"
    "    SP9;\n";

std::string Contact(std::string_view call, std::string_view date, std::string_view time,
                    std::string_view more = "") {
  return "<CALL:" + std::to_string(call.size()) + ">" + std::string(call) + "<QSO_DATE:8>" +
         std::string(date) + "<TIME_ON:4>" + std::string(time) + std::string(more) + "<EOR>\n";
}

class SendingRunTest : public test::LabelRunFixture {
 protected:
  SendingRunTest() {
    test::WriteFile(dir_ / "cty.dat", kCountries);
    test::WriteFile(
        dir_ / "log.adi",
        "<EOH>\n" + Contact("W1AW", "20240102", "1200", "<QSL_SENT:1>Y") +
            Contact("DL1ABC", "20240103", "1300", "<QSL_SENT:1>R") +
            Contact("EA5XX", "20240104", "0900") +
            Contact("K1ABC", "20240105", "1000", "<QSL_SENT:1>N") +
            Contact("3Z9X", "20240106", "1100", "<QSL_SENT:1>Q<QSL_VIA:14>QSL via SP9PDO") +
            Contact("VE3ABC", "20240107", "1200", "<QSL_SENT:1>R<QSL_SENT_VIA:1>e") +
            Contact("DL2XYZ", "20240108", "1300", "<QSL_SENT:1>I") +
            Contact("AA1A", "20231231", "2359", "<QSL_SENT:1>r") +
            Contact("DL1ABC", "20240103", "1200") + Contact("ZZ9ZZ", "20240109", "0000"));
  }

  // The calls printed, each label's first text.
  std::vector<std::string> Run(sending::ContactChoice contacts, RunOrder order,
                               std::string countryFile = "", std::string log = "") {
    surface_.operations.clear();
    result_ = run_.PrintLabelRun(
        {.labelInputFile = log.empty() ? (dir_ / "log.adi").string() : log,
         .labelStock = "5160",
         .design = LabelDesign::Default,
         .labelSkip = "0",
         .contacts = contacts,
         .order = order,
         .countryFile = countryFile.empty() ? (dir_ / "cty.dat").string() : countryFile,
         .keepSent = true},
        [this] { return &surface_; });
    std::vector<std::string> calls;
    for (const auto* text : surface_.Texts()) {
      if (text->font.points == 15 && text->font.bold) {
        calls.push_back(text->text);
      }
    }
    return calls;
  }

  LabelRunResult result_;
};

TEST_F(SendingRunTest, TheChosenContactsInTheirOrder) {
  const sending::ContactChoice toSend{Contacts::ToSend};
  const struct {
    sending::ContactChoice contacts;
    RunOrder order;
    std::vector<std::string> calls;
  } cases[] = {
      {{},
       RunOrder::File,
       {"W1AW", "DL1ABC", "EA5XX", "K1ABC", "3Z9X", "VE3ABC", "DL2XYZ", "AA1A", "DL1ABC", "ZZ9ZZ"}},
      // By country (DL, EA, K, SP), the manager's country for 3Z9X (SP9 is
      // no country of its own), the unknown last; one station by date and time.
      {toSend, RunOrder::Bureau, {"DL1ABC", "DL1ABC", "EA5XX", "AA1A", "3Z9X", "ZZ9ZZ"}},
      {{Contacts::ToSend, 20240101, std::nullopt},
       RunOrder::Call,
       {"3Z9X", "DL1ABC", "DL1ABC", "EA5XX", "ZZ9ZZ"}},
      {{Contacts::All, 20240105, 20240107}, RunOrder::File, {"K1ABC", "3Z9X", "VE3ABC"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.contacts, c.order), c.calls) << c.contacts.Description();
    EXPECT_EQ(run_.Sent().Count(), c.calls.size()) << "exactly the contacts printed are sent";
  }
  EXPECT_EQ(Run(toSend, RunOrder::Bureau)[0], "DL1ABC");
  EXPECT_EQ(surface_.Texts()[5]->text, "12:00");  // before 13:00
  EXPECT_EQ(result_.chosenText, "6 of 10 contacts (cards still to send)");
  EXPECT_EQ(result_.summaryText, "6 contacts, 5 stations, 4 countries, 1 via a manager");
  EXPECT_EQ(
      ui_.statusTexts.back(),
      "6 Labels Submitted to the Printer: 6 of 10 contacts (cards still to send), 5 stations, "
      "4 countries, 1 via a manager");
}

TEST_F(SendingRunTest, BureauOrderWithoutItsCountryFileOrAnyContactPrintsNothing) {
  const auto missing = dir_ / "none" / "cty.dat";
  EXPECT_TRUE(Run({}, RunOrder::Bureau, missing.string()).empty());
  EXPECT_EQ(result_.outcome, RunOutcome::Stopped);
  EXPECT_TRUE(surface_.operations.empty());
  ASSERT_EQ(ui_.messages.size(), 1U);
  EXPECT_NE(ui_.messages[0].find(missing.string()), std::string::npos) << ui_.messages[0];
  EXPECT_NE(ui_.messages[0].find("Nothing was printed."), std::string::npos);
  // Without the bureau the same file only leaves the countries out.
  EXPECT_EQ(Run({}, RunOrder::Call, missing.string()).size(), 10U);
  EXPECT_EQ(result_.summaryText, "10 contacts, 9 stations, 1 via a manager");
  EXPECT_TRUE(Run({Contacts::All, 20250101, std::nullopt}, RunOrder::File).empty());
  EXPECT_NE(ui_.messages.back().find("None of the 10 contacts"), std::string::npos);
}

// Every contact of the real logs, in bureau order by the system's country file.
TEST_F(SendingRunTest, TheRealLogsInBureauOrder) {
  const std::string system(countries::kSystemCountryFile);
  if (!test::SharedAdifPresent() || !std::filesystem::exists(system)) {
    GTEST_SKIP() << "needs the real logs in " << test::SharedAdifFolder() << " and " << system;
  }
  for (const auto& entry : std::filesystem::directory_iterator(test::SharedAdifFolder())) {
    if (entry.path().extension() != ".adi") {
      continue;
    }
    const std::string log = entry.path().string();
    std::vector<std::string> inFile = Run({}, RunOrder::File, system, log);
    const RunOutcome outcome = result_.outcome;
    std::vector<std::string> byBureau = Run({}, RunOrder::Bureau, system, log);
    EXPECT_EQ(result_.outcome, outcome) << log;
    std::ranges::sort(inFile);
    std::ranges::sort(byBureau);
    EXPECT_EQ(byBureau, inFile) << log;
  }
}

}  // namespace
}  // namespace tavrilon::labels
