#include <QAction>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

namespace fs = std::filesystem;

TEST_F(MainWindowTest, HtmlIsWrittenBesideTheLogWithoutAPrinter) {
  StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:5>VK2DX<EOR>\n", false);
  TopLevel("frmSelectPtr")->close();
  Click(window_.get(), "cmdCvttoHTML");
  const fs::path page = dir_ / "mylog.html";
  EXPECT_EQ(Status(), "Format complete - " + Path("mylog.html") + " created.");
  EXPECT_NE(test::ReadFile(page).find("<title> Logbook</title>"),  // the call's prompt: nothing
            std::string::npos);
  EXPECT_TRUE(desktop_.messages.isEmpty()) << desktop_.messages.join(u'\n').toStdString();
  EXPECT_EQ(TopLevel("frmSelectPtr"), nullptr);

  fs::remove(page);
  Find<QAction>("mnuCvttoHTML")->trigger();
  EXPECT_TRUE(fs::exists(page));
}

TEST_F(MainWindowTest, WithoutTheDictionaryEachFlowSaysSoAndEndsTheProgram) {
  for (const char* command : {"cmdPrintLbl", "cmdPrintLog", "cmdCvttoHTML"}) {
    StartWithLog("<EOH>\n<CALL:4>W1AW<EOR>\n");
    fs::remove(dir_ / "tvadif.txt");
    desktop_ = {};
    desktop_.fileAnswers = {Path("out.pdf")};
    Click(window_.get(), command);
    ASSERT_EQ(desktop_.messages.size(), 1) << command;
    EXPECT_TRUE(desktop_.messages[0].contains(QStringLiteral("TVADIF.txt file not found")));
    EXPECT_EQ(desktop_.icons[0], MessageIcon::Critical) << command;
    EXPECT_FALSE(window_->isVisible()) << command;
    EXPECT_EQ(desktop_.endStatus, 2) << command;
    EXPECT_FALSE(fs::exists(dir_ / "mylog.html")) << command;
  }
}

}  // namespace
}  // namespace tavrilon::app
