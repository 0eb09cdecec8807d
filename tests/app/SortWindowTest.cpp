#include <limits>

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <gtest/gtest.h>

#include "app/ScriptedDesktop.h"
#include "app/SortMessageWindow.h"
#include "app/WindowUserInterface.h"

namespace tavrilon::app {
namespace {

TEST(SortWindowTest, ProgressOfAnyTotalFitsBothBarsWhileTheWindowStaysModeless) {
  QWidget window;
  QLabel status;
  QProgressBar bar;
  bar.setRange(0, 100);
  test::ScriptedDesktop desktop;
  WindowUserInterface ui(window, status, bar, desktop);
  ui.ShowSortWindow(true);
  auto* sortWindow = window.findChild<SortMessageWindow*>(QStringLiteral("frmSortMsg"));
  ASSERT_NE(sortWindow, nullptr);
  EXPECT_TRUE(sortWindow->isVisible());
  EXPECT_FALSE(sortWindow->isModal());
  auto* sortBar = sortWindow->findChild<QProgressBar*>(QStringLiteral("ProgressBar"));
  auto* sortStatus = sortWindow->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
  ASSERT_TRUE(sortBar != nullptr && sortStatus != nullptr);

  constexpr int kMax = std::numeric_limits<int>::max();
  const struct {
    std::int64_t done, total;
    int percent, value, maximum;
    const char* why;
  } cases[] = {
      {0, 12, 0, 0, 12, "a small total is the bar's own range"},
      {11, 12, 91, 11, 12, "the main bar rounds down"},
      {3'000'000'000'000, 6'000'000'000'000, 50, kMax / 2, kMax, "a total past an int scaled"},
      {6'000'000'000'000, 6'000'000'000'000, 100, kMax, kMax, "done fills both bars"},
      {0, 0, 100, 1, 1, "nothing to sort is done"},
  };
  for (const auto& c : cases) {
    ui.ShowSortProgress("Sorting Data - 10,000 sorts complete.", c.done, c.total);
    EXPECT_EQ(bar.value(), c.percent) << c.why;
    EXPECT_EQ(sortBar->value(), c.value) << c.why;
    EXPECT_EQ(sortBar->maximum(), c.maximum) << c.why;
  }
  EXPECT_EQ(status.text(), QStringLiteral("Sorting Data - 10,000 sorts complete."));
  EXPECT_EQ(sortStatus->currentMessage(), status.text());

  ui.ShowSortWindow(false);
  EXPECT_FALSE(sortWindow->isVisible());
  ui.ShowSortWindow(true);
  EXPECT_EQ(window.findChildren<SortMessageWindow*>().size(), 1);  // made once, shown again
}

}  // namespace
}  // namespace tavrilon::app
