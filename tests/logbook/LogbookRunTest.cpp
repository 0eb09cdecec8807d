#include <gtest/gtest.h>

#include <filesystem>

#include "logbook/LogbookRun.h"
#include "print/RecordingSurface.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::logbook {
namespace {

namespace fs = std::filesystem;
using print::RecordingSurface;

// Contacts on consecutive minutes of 5 January 2024, calls ZZ1 onward.
std::string Contacts(int count, std::string_view extra = "") {
  std::string log = "Generated\n<EOH>\n";
  for (int i = 1; i <= count; ++i) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d%02d", (i / 60) % 24, i % 60);
    log += "<CALL:" + std::to_string(2 + std::to_string(i).size()) + ">ZZ" + std::to_string(i) +
           "<QSO_DATE:8>20240105<TIME_ON:4>" + time + std::string(extra) + "<EOR>\n";
  }
  return log;
}

class LogbookRunTest : public ::testing::Test {
 protected:
  LogbookRunTest() { fs::copy_file(test::ShippedDictionary(), dir_ / "tvadif.txt"); }

  LogbookOutcome Print(std::string_view log, LogMode mode, std::string layout = "DEFAULT") {
    test::WriteFile(dir_ / "log.adi", log);
    run_.Mode = mode;
    surfaceAsked_ = false;
    return run_.PrintLog({(dir_ / "log.adi").string(), std::move(layout), "W1AW"}, [this] {
      surfaceAsked_ = true;
      return &surface_;
    });
  }

  // The texts printed in the contact rows (y below the heading band).
  std::vector<std::string> RowTexts(int page = 0) const {
    std::vector<std::string> texts;
    for (const auto* text : surface_.Texts()) {
      if (text->y > 22 && text->y < 190 && (page == 0 || text->page == page)) {
        texts.push_back(text->text);
      }
    }
    return texts;
  }
  std::vector<std::string> TextsAt(double x, double y) const {
    std::vector<std::string> texts;
    for (const auto* text : surface_.Texts()) {
      if (std::abs(text->x - x) < 1e-6 && std::abs(text->y - y) < 1e-6) {
        texts.push_back(text->text);
      }
    }
    return texts;
  }
  int NewPages() const {
    return static_cast<int>(
        std::count_if(surface_.operations.begin(), surface_.operations.end(),
                      [](const auto& op) { return op.kind == RecordingSurface::Kind::NewPage; }));
  }

  test::TempDir dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::AdifInput input_{dir_ / "tvadif.txt"};
  test::ScriptedUserInterface ui_;
  LogbookRun run_{input_, settings_, ui_, [] {
                    return std::chrono::system_clock::time_point(std::chrono::seconds(1733443200));
                  }};  // 6 December 2024, UTC
  RecordingSurface surface_;
  bool surfaceAsked_ = false;
};

TEST_F(LogbookRunTest, ThirtyThreeContactsFillAPageAndTheNextOpensPageTwo) {
  ASSERT_EQ(Print(Contacts(33), LogMode::Full), LogbookOutcome::Printed);
  EXPECT_EQ(NewPages(), 0);
  EXPECT_EQ(ui_.statusTexts.back(), "Printing Complete -> 33 QSOs Submitted to 1 pages.");
  surface_.operations.clear();
  ASSERT_EQ(Print(Contacts(34), LogMode::Full), LogbookOutcome::Printed);
  EXPECT_EQ(NewPages(), 1);
  EXPECT_EQ(surface_.operations.back().kind, RecordingSurface::Kind::EndDocument);
  EXPECT_EQ(TextsAt(225, 195), (std::vector<std::string>{"Page 1", "Page 2"}));
  EXPECT_EQ(TextsAt(20, 195),
            (std::vector<std::string>{"Printed On  12/06/2024", "Printed On  12/06/2024"}));
  EXPECT_EQ(TextsAt(41, 21 + 5 * 33).front(), "ZZ33");  // the last band of page 1
  EXPECT_EQ(TextsAt(41, 21 + 5 * 1).back(), "ZZ34");    // the first band of page 2
  EXPECT_EQ(surface_.GetOrientation(), print::Orientation::Landscape);
  EXPECT_EQ(ui_.statusTexts.back(), "Printing Complete -> 34 QSOs Submitted to 2 pages.");
}

TEST_F(LogbookRunTest, APageHasTitleFrameHeadingsAndFooter) {
  ASSERT_EQ(Print(Contacts(1), LogMode::Full), LogbookOutcome::Printed);
  const auto* title = surface_.Texts().at(2);
  EXPECT_EQ(title->text, "W1AW");
  EXPECT_EQ(title->font.points, 24);
  EXPECT_TRUE(title->font.bold);
  EXPECT_EQ(title->colour, print::kBlue);
  EXPECT_EQ(TextsAt(86, 21), std::vector<std::string>{"H/RST"});
  const auto& box = surface_.operations.front();
  EXPECT_EQ(box.kind, RecordingSurface::Kind::Box);
  EXPECT_DOUBLE_EQ(box.x2, 240);
  EXPECT_EQ(box.lineWidth, 2);
  EXPECT_EQ(std::count_if(surface_.operations.begin(), surface_.operations.end(),
                          [](const auto& op) { return op.kind == RecordingSurface::Kind::Line; }),
            33);
  EXPECT_EQ(ui_.statusTexts,
            (std::vector<std::string>{"Printing Log", "Formatting Log", "QSO 1  Page 1",
                                      "Submitting Log to Printer",
                                      "Printing Complete -> 1 QSOs Submitted to 1 pages."}));
}

TEST_F(LogbookRunTest, ValuesAreCutToTheirColumnNeverWrapped) {
  ASSERT_EQ(Print(Contacts(1,
                           "<RST_SENT:4>5999<COMMENT:40>A comment that is longer than thirty "
                           "<OPERATOR:2>K1"),
                  LogMode::Full),
            LogbookOutcome::Printed);
  EXPECT_EQ(TextsAt(88, 26), std::vector<std::string>{"599"});
  EXPECT_EQ(TextsAt(161, 26), std::vector<std::string>{"A comment that is longer than "});
  EXPECT_EQ(TextsAt(61, 26), std::vector<std::string>{"K1"});
}

TEST_F(LogbookRunTest, TheCustomLayoutUsesItsGridAndAfterItTheDefaultIsWhole) {
  settings_.WriteSetting("Custom Log", "Grid", "250");
  settings_.WriteSetting("Custom Log", "column1", "CALL,10,STATION,10,8");
  for (int c = 2; c <= 16; ++c) {
    settings_.WriteSetting("Custom Log", "column" + std::to_string(c),
                           "NAME," + std::to_string(10 * c) + ",N,1,3");
  }
  settings_.WriteSetting("Custom Log", "column17", ",,ONLY HEADING,200,");
  ASSERT_EQ(Print(Contacts(1), LogMode::Full, "CUSTOM"), LogbookOutcome::Printed);
  EXPECT_DOUBLE_EQ(surface_.operations.front().x2, 250);
  EXPECT_DOUBLE_EQ(surface_.operations.at(1).x2, 250);  // the rules end there too
  EXPECT_EQ(TextsAt(10, 26), std::vector<std::string>{"ZZ1"});
  EXPECT_EQ(TextsAt(200, 21), std::vector<std::string>{"ONLY HEADING"});

  surface_.operations.clear();
  ASSERT_EQ(Print(Contacts(1), LogMode::Full, "DEFAULT"), LogbookOutcome::Printed);
  std::size_t headings = 0;
  for (const auto* text : surface_.Texts()) {
    headings += text->y == 21 ? 1U : 0U;
  }
  EXPECT_EQ(headings, 13U);
}

TEST_F(LogbookRunTest, FromPageThreeAHundredContactsGiveTwoSheetsNumberedThreeAndFour) {
  run_.Page.FromPageMode = true;
  run_.Page.StartPage = 2;
  ASSERT_EQ(Print(Contacts(100), LogMode::Page), LogbookOutcome::Printed);
  EXPECT_EQ(NewPages(), 1);
  const auto rows = RowTexts();
  EXPECT_EQ(
      std::count_if(rows.begin(), rows.end(), [](const auto& t) { return t.rfind("ZZ", 0) == 0; }),
      34);
  EXPECT_EQ(TextsAt(41, 21 + 5).front(), "ZZ67");
  EXPECT_EQ(TextsAt(225, 195), (std::vector<std::string>{"Page 3", "Page 4"}));
  EXPECT_EQ(ui_.statusTexts.back(), "Printing Complete -> 34 QSOs Submitted to 4 pages.");
}

// An empty page is no logbook: it is not sent, and nothing claims it was.
TEST_F(LogbookRunTest, ARangeThatMatchesNothingPrintsNothingAndSaysSo) {
  run_.Range = ConfirmRange("20250101", "", "", "");
  ASSERT_EQ(Print(Contacts(5), LogMode::Part), LogbookOutcome::Stopped);
  EXPECT_TRUE(RowTexts().empty());
  ASSERT_FALSE(surface_.operations.empty());
  EXPECT_EQ(surface_.operations.back().kind, print::RecordingSurface::Kind::DiscardDocument);
  EXPECT_EQ(ui_.statusTexts.back(), "Nothing Printed");
  ASSERT_EQ(ui_.messages.size(), 1U);
  EXPECT_NE(ui_.messages[0].find("holds no contacts in the chosen range; nothing was printed."),
            std::string::npos)
      << ui_.messages[0];
}

TEST_F(LogbookRunTest, TheRangeTakesItsEndsByDateAndTime) {
  const std::string log =
      "<EOH>\n"
      "<CALL:2>A1<QSO_DATE:8>20240130<TIME_ON:4>2359<EOR>\n"
      "<CALL:2>B1<QSO_DATE:8>20240131<TIME_ON:4>0000<EOR>\n"
      "<CALL:2>C1<QSO_DATE:8>20240131<TIME_ON:4>0001<EOR>\n"
      "<CALL:2>D1<QSO_DATE:8>20240201<TIME_ON:4>1159<EOR>\n"
      "<CALL:2>E1<QSO_DATE:8>20240201<TIME_ON:4>1200<EOR>\n";
  struct Case {
    const char* why;
    LogRange range;
    std::vector<std::string> calls;
  } cases[] = {
      {"only an end date: to its 00:00", ConfirmRange("", "", "20240131", ""), {"A1", "B1"}},
      {"begin time on the begin date", ConfirmRange("20240201", "1200", "", ""), {"E1"}},
      {"both ends", ConfirmRange("20240131", "0001", "20240201", "1159"), {"C1", "D1"}},
  };
  for (const Case& c : cases) {
    surface_.operations.clear();
    run_.Range = c.range;
    ASSERT_EQ(Print(log, LogMode::Part), LogbookOutcome::Printed) << c.why;
    std::vector<std::string> calls;
    for (const auto& t : RowTexts()) {
      if (t.size() == 2 && t[1] == '1') {
        calls.push_back(t);
      }
    }
    EXPECT_EQ(calls, c.calls) << c.why;
  }
}

TEST_F(LogbookRunTest, NothingIsAskedOfThePrinterWhenTheRunCannotPrint) {
  EXPECT_EQ(Print(Contacts(3), LogMode::Full, "FANCY"), LogbookOutcome::Stopped);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Please select Log Layout."});
  EXPECT_FALSE(surfaceAsked_);
  ui_.messages.clear();
  run_.Mode = LogMode::Full;
  EXPECT_EQ(run_.PrintLog({(dir_ / "gone.adi").string(), "DEFAULT", "W1AW"},
                          [this] { return &surface_; }),
            LogbookOutcome::Stopped);
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Log File does not exist"});
  fs::remove(dir_ / "tvadif.txt");
  EXPECT_EQ(Print(Contacts(3), LogMode::Full), LogbookOutcome::DictionaryMissing);
}

TEST_F(LogbookRunTest, ARecordOverThreeLinesIsPrintedOnce) {
  ASSERT_EQ(Print("<EOH>\n<CALL:4>W1AW\n<QSO_DATE:8>20240105\n<EOR>\n", LogMode::Full),
            LogbookOutcome::Printed);
  EXPECT_EQ(TextsAt(41, 26), std::vector<std::string>{"W1AW "});
}

TEST(LogRangeInput, TheDialogsChecks) {
  EXPECT_TRUE(IsAcceptedDate(""));
  EXPECT_TRUE(IsAcceptedDate("20240229"));
  EXPECT_FALSE(IsAcceptedDate("20230229"));
  EXPECT_FALSE(IsAcceptedDate("20241301"));
  EXPECT_FALSE(IsAcceptedDate("2024011"));
  EXPECT_FALSE(IsAcceptedDate("2024-1-1"));
  struct Case {
    const char* typed;
    std::optional<std::string> kept;
  } times[] = {
      {"", ""},          {"2400", "2400"}, {"2401", std::nullopt}, {"1299", "1299"},
      {"12:34", "1234"}, {"930", "0930"},  {"ab", std::nullopt},   {"12345", std::nullopt}};
  for (const auto& t : times) {
    EXPECT_EQ(AcceptedTime(t.typed), t.kept) << t.typed;
  }
  const LogRange range = ConfirmRange("20240101", "930", "", "");
  EXPECT_EQ(range.BeginTime, "09:30");
  EXPECT_EQ(range.EndTime, "00:00");
  EXPECT_TRUE(range.RangeChosen);
  EXPECT_FALSE(ConfirmRange("", "", "", "").RangeChosen);

  EXPECT_EQ(ConfirmStartPage("3").StartPage, 2);
  EXPECT_TRUE(ConfirmStartPage("3").FromPageMode);
  for (const char* refused : {"0", "-1", "x", ""}) {
    EXPECT_FALSE(ConfirmStartPage(refused).FromPageMode) << refused;
  }
}

}  // namespace
}  // namespace tavrilon::logbook
