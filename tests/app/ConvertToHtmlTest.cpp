#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app/MainWindowFixture.h"

namespace tavrilon::app {
namespace {

namespace fs = std::filesystem;

class ConvertToHtmlTest : public MainWindowTest {
 protected:
  ConvertToHtmlTest() {
    fs::copy_file(test::ShippedDictionary(), dir_ / "tvadif.txt");
    test::WriteFile(dir_ / "mylog.adi", "<EOH>\n<CALL:4>W1AW<EOR>\n<CALL:5>VK2DX<EOR>\n");
    Session setup(dir_.path(), settingsPath_);
    setup.Start();
    setup.Settings().WriteSetting("Log", "ADIFile", (dir_ / "mylog.adi").string());
    setup.Settings().WriteSetting("Globals", "MyCall", "K1ABC");
  }

  QString Status() { return Find<QLabel>("StatusText")->text(); }
};

TEST_F(ConvertToHtmlTest, TheButtonWritesThePageBesideTheLogAndTheStatusBarNamesIt) {
  StartWindow();
  TopLevel("frmSelectPtr")->close();  // no printer is needed for a page
  QTest::mouseClick(Find<QToolButton>("cmdCvttoHTML"), Qt::LeftButton);

  const fs::path page = dir_ / "mylog.html";
  ASSERT_TRUE(fs::exists(page));
  EXPECT_EQ(Status(), QString::fromStdString("Format complete - " + page.string() + " created."));
  const std::string html = test::ReadFile(page);
  EXPECT_NE(html.find("<title>K1ABC Logbook</title>"), std::string::npos);
  EXPECT_NE(html.find(">VK2DX</font/></TD>"), std::string::npos);
  EXPECT_TRUE(desktop_.messages.isEmpty()) << desktop_.messages.join(u'\n').toStdString();
  EXPECT_EQ(TopLevel("frmSelectPtr"), nullptr);
}

TEST_F(ConvertToHtmlTest, TheMenuEntryRunsTheSameExport) {
  StartWindow();
  Find<QAction>("mnuCvttoHTML")->trigger();
  EXPECT_TRUE(fs::exists(dir_ / "mylog.html"));
}

TEST_F(ConvertToHtmlTest, WithoutTheDictionaryTheProgramSaysSoAndEnds) {
  StartWindow();
  test::WriteFile(dir_ / "mylog.html", "older");
  fs::remove(dir_ / "tvadif.txt");
  desktop_.messages.clear();
  Find<QAction>("mnuCvttoHTML")->trigger();
  ASSERT_EQ(desktop_.messages.size(), 1);
  EXPECT_TRUE(desktop_.messages[0].startsWith(QStringLiteral("     TVADIF.txt file not found.")));
  EXPECT_EQ(desktop_.icons[0], MessageIcon::Critical);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(desktop_.endStatus, 2);
  EXPECT_EQ(test::ReadFile(dir_ / "mylog.html"), "older");
}

}  // namespace
}  // namespace tavrilon::app
