#include <filesystem>

#include <gtest/gtest.h>

#include "logbook/LogbookRun.h"
#include "print/RecordingSurface.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::logbook {
namespace {

using print::RecordingSurface;
using Texts = std::vector<std::string>;

const std::chrono::sys_days kPrintedOn{std::chrono::December / 6 / 2024};

class LogbookRunTest : public ::testing::Test {
 protected:
  RunOutcome Print(std::string_view log, LogMode mode, LogLayout layout = LogLayout::Default) {
    test::WriteFile(dir_ / "log.adi", log);
    request_.layout = layout;
    request_.mode = mode;
    surface_.operations.clear();
    surface_.page = 1;  // counts the sheets
    return run_.PrintLog(request_, [this] { return &surface_; });
  }

  // The texts printed at x: at y, or without it in the contact rows; on every page.
  Texts At(double x, double y = 0) const {
    Texts texts;
    for (const auto* t : surface_.Texts()) {
      if (std::abs(t->x - x) < 1e-6 &&
          (y == 0 ? t->y > 22 && t->y < 190 : std::abs(t->y - y) < 1e-6)) {
        texts.push_back(t->text);
      }
    }
    return texts;
  }

  test::ProgramFolder dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::AdifInput input_{dir_.Dictionary()};
  test::ScriptedUserInterface ui_;
  LogbookRun run_{input_, settings_, ui_, [] { return kPrintedOn; }};
  RecordingSurface surface_;
  LogbookRequest request_{
      (dir_ / "log.adi").string(), LogLayout::Default, "W1AW", LogMode::Full, {}};
};

TEST_F(LogbookRunTest, PagesOfThirtyThreeRowsUnderTitleHeadingsAndFooterAlsoFromAPage) {
  ASSERT_EQ(
      Print(test::ContactLog(34, "<RST_SENT:4>5999<COMMENT:34>A comment longer than thirty chars"),
            LogMode::Full),
      RunOutcome::Completed);
  EXPECT_EQ(surface_.page, 2);
  EXPECT_EQ(surface_.GetOrientation(), print::Orientation::Landscape);
  EXPECT_EQ(At(8, 8), (Texts{"W1AW", "W1AW"}));  // the title
  EXPECT_EQ(At(225, 195), (Texts{"Page 1", "Page 2"}));
  EXPECT_EQ(At(20, 195), (Texts{"Printed On  12/06/2024", "Printed On  12/06/2024"}));
  EXPECT_EQ(At(41, 21 + 5 * 33).front(), "ZZ33Q");  // the last band of page 1
  EXPECT_EQ(At(41, 21 + 5 * 1).back(), "ZZ34Q");    // the first band of page 2
  // Values are cut to their column, never wrapped.
  EXPECT_EQ(At(88, 26).front(), "599");
  EXPECT_EQ(At(161, 26).front(), "A comment longer than thirty c");
  EXPECT_EQ(ui_.statusTexts.back(), "Printing Complete -> 34 QSOs Submitted to 2 pages.");

  // From page 3: rows 67 to 100 on two sheets numbered 3 and 4.
  request_.startPage = ConfirmStartPage("3").StartPage;
  ASSERT_EQ(Print(test::ContactLog(100), LogMode::Page), RunOutcome::Completed);
  EXPECT_EQ(surface_.page, 2);
  ASSERT_EQ(At(41).size(), 34u);
  EXPECT_EQ(At(41).front(), "ZZ67Q");
  EXPECT_EQ(At(225, 195), (Texts{"Page 3", "Page 4"}));
  EXPECT_EQ(ui_.statusTexts.back(), "Printing Complete -> 34 QSOs Submitted to 4 pages.");
}

TEST_F(LogbookRunTest, TheCustomLayoutUsesItsGridAndItsColumns) {
  settings_.WriteSetting("Custom Log", "Grid", "260");
  settings_.WriteSetting("Custom Log", "column1", "CALL,10,STATION,10,8");
  settings_.WriteSetting("Custom Log", "column17", ",,ONLY HEADING,200,");
  ASSERT_EQ(Print(test::ContactLog(1), LogMode::Full, LogLayout::Custom), RunOutcome::Completed);
  EXPECT_DOUBLE_EQ(surface_.operations.front().x2, 260);  // the frame
  EXPECT_EQ(At(10, 26), Texts{"ZZ1Q"});
  EXPECT_EQ(At(200, 21), Texts{"ONLY HEADING"});
}

// An empty page is no logbook: it is not sent, and nothing claims it was.
TEST_F(LogbookRunTest, ARangeThatMatchesNothingPrintsNothingAndSaysSo) {
  request_.range = ConfirmRange("20250101", "", "", "");
  ASSERT_EQ(Print(test::ContactLog(5), LogMode::Part), RunOutcome::Stopped);
  EXPECT_TRUE(At(41).empty());
  ASSERT_FALSE(surface_.operations.empty());
  EXPECT_EQ(surface_.operations.back().kind, print::RecordingSurface::Kind::DiscardDocument);
  EXPECT_EQ(ui_.statusTexts.back(), "Nothing Printed");
  ASSERT_EQ(ui_.messages.size(), 1U);
  EXPECT_NE(ui_.messages[0].find("holds no contacts in the chosen range; nothing was printed."),
            std::string::npos)
      << ui_.messages[0];
}

TEST_F(LogbookRunTest, TheRangeTakesItsEndsByDateAndTimeAsTyped) {
  const std::string log =
      "<EOH>\n"
      "<CALL:2>A1<QSO_DATE:8>20240130<TIME_ON:4>2359<EOR>\n"
      "<CALL:2>B1<QSO_DATE:8>20240131<TIME_ON:4>0000<EOR>\n"
      "<CALL:2>C1<QSO_DATE:8>20240131<TIME_ON:4>0001<EOR>\n"
      "<CALL:2>D1<QSO_DATE:8>20240201<TIME_ON:4>1159<EOR>\n"
      "<CALL:2>E1<QSO_DATE:8>20240201<TIME_ON:4>1200<EOR>\n";
  const std::pair<LogRange, Texts> cases[] = {
      {ConfirmRange("", "", "20240131", ""), {"A1", "B1"}},  // an end date: to its 00:00
      {ConfirmRange("20240201", "12:00", "", ""), {"E1"}},   // begin time on the begin date
      {ConfirmRange("20240131", "1", "20240201", "1159"), {"C1", "D1"}},  // "1" is 00:01
  };
  for (const auto& [range, calls] : cases) {
    request_.range = range;
    ASSERT_EQ(Print(log, LogMode::Part), RunOutcome::Completed);
    EXPECT_EQ(At(41), calls) << range.BeginDate << range.BeginTime << "-" << range.EndDate;
  }
}

TEST(LogRangeInput, TheDialogsChecks) {
  EXPECT_TRUE(IsAcceptedDate("") && IsAcceptedDate("20240229"));
  for (const char* refused : {"20230229", "20241301", "2024011", "2024-1-1"}) {
    EXPECT_FALSE(IsAcceptedDate(refused)) << refused;
  }
  const std::pair<const char*, std::optional<std::string>> times[] = {
      {"", ""},        {"2400", "2400"},     {"2401", std::nullopt}, {"1299", "1299"},
      {"930", "0930"}, {"ab", std::nullopt}, {"12345", std::nullopt}};
  for (const auto& [typed, kept] : times) {
    EXPECT_EQ(AcceptedTime(typed), kept) << typed;
  }
  EXPECT_FALSE(ConfirmRange("", "1200", "2024", "").RangeChosen) << "no full date: no range";
  for (const char* refused : {"0", "-1", "x", ""}) {
    EXPECT_FALSE(ConfirmStartPage(refused).FromPageMode) << refused;
  }
}

}  // namespace
}  // namespace tavrilon::logbook
