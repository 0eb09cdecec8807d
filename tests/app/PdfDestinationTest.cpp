#include <gtest/gtest.h>

#include "app/PdfDestination.h"
#include "app/ScriptedDesktop.h"
#include "support/TestSupport.h"

namespace tavrilon::app {
namespace {

TEST(PdfDestination, OffersANameFromTheLogAndRefusesTheLogAndTheProgramsFiles) {
  test::TempDir dir;
  test::WriteFile(dir / "mylog.adi", "<EOH>\n");
  test::WriteFile(dir / "tavrilon.ini", "[Globals]\n");
  test::ScriptedDesktop desktop;
  desktop.fileAnswers = {QString::fromStdString((dir / "mylog.adi").string()),
                         QString::fromStdString((dir / "tavrilon.ini").string()),
                         QString::fromStdString((dir / "out").string())};
  const auto chosen =
      AskPdfDestination(desktop, nullptr, dir / "mylog.adi", "labels", {dir / "tavrilon.ini"});
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, dir / "out.pdf");
  ASSERT_EQ(desktop.fileDialogs.size(), 3);
  EXPECT_EQ(
      desktop.fileDialogs[0],
      QStringLiteral("Save PDF | ") + QString::fromStdString((dir / "mylog-labels.pdf").string()));
  ASSERT_EQ(desktop.messages.size(), 2);
  EXPECT_EQ(test::ReadFile(dir / "mylog.adi"), "<EOH>\n");

  EXPECT_FALSE(AskPdfDestination(desktop, nullptr, dir / "mylog.adi", "labels", {}));  // cancelled
}

}  // namespace
}  // namespace tavrilon::app
