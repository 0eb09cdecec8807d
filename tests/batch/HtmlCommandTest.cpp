#include <gtest/gtest.h>

#include <filesystem>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLog =
    "Batch HTML\n<EOH>\n"
    "<QSO_DATE:8>20240105<TIME_ON:4>1402<CALL:4>W1AW<RST_SENT:4>5999<COMMENT:4>Ren\xC3\xA9<EOR>\n"
    "<QSO_DATE:8>20240106<TIME_ON:4>0930<CALL:6>UA3ABC<EOR>\n";

class HtmlCommandTest : public ::testing::Test {
 protected:
  HtmlCommandTest() { WriteFile(folder_ / "log.adi", kLog); }
  BatchFolder folder_;
};

TEST_F(HtmlCommandTest, WritesThePageBesideTheLogInTheDefaultLayout) {
  WriteFile(folder_ / "tavrilon.ini", "[Globals]\nMyCall=K1ABC\n");
  const BatchRun run = folder_.Run("html log.adi");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "Printing Log\nFormatting Log\nFormat complete - log.html created.\n");
  EXPECT_TRUE(run.out.empty());
  const std::string page = ReadFile(folder_ / "log.html");
  EXPECT_TRUE(page.starts_with("<html>\r\n \r\n<head>\r\n"));
  EXPECT_TRUE(page.ends_with("</body>\r\n</html>\r\n"));
  EXPECT_NE(page.find("<title>K1ABC Logbook</title>"), std::string::npos);
  EXPECT_NE(page.find(">QSO_DATE</font/></TD>"), std::string::npos);
  EXPECT_NE(page.find(">599</font/></TD>"), std::string::npos);
  EXPECT_NE(page.find(">Ren\xE9</font/></TD>"), std::string::npos);
  EXPECT_NE(page.find(">UA3ABC</font/></TD>"), std::string::npos);
}

TEST_F(HtmlCommandTest, TakesTheCustomLayoutAndItsHeadingsFromTheSettings) {
  WriteFile(folder_ / "tavrilon.ini",
            "[Log]\nLogLayOut=CUSTOM\n[Custom Log]\ncolumn1=CALL,0,Station,0,3\n");
  const BatchRun run = folder_.Run("html log.adi");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string page = ReadFile(folder_ / "log.html");
  EXPECT_NE(page.find("<TR>\r\n<TD ALIGN=center><FONT SIZE=\"2\">Station</font/></TD></TR>\r\n"),
            std::string::npos);
  EXPECT_NE(page.find(">UA3</font/></TD>\r\n</TR>"), std::string::npos);
  EXPECT_EQ(page.find(">QSO_DATE<"), std::string::npos);
}

TEST_F(HtmlCommandTest, ExitsOneWhenThereIsNoPageToWrite) {
  BatchRun run = folder_.Run("html missing.adi");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Log File does not exist"), std::string::npos) << run.err;

  WriteFile(folder_ / "page.HTML", kLog);
  run = folder_.Run("html page.HTML");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("The log page.HTML is itself an HTML page."), std::string::npos)
      << run.err;
  EXPECT_EQ(ReadFile(folder_ / "page.HTML"), kLog);

  WriteFile(folder_ / "tavrilon.ini", "[Log]\nLogLayOut=SIMPLE\n");
  run = folder_.Run("html log.adi");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Please select Log Layout."), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(folder_ / "log.html"));
}

TEST_F(HtmlCommandTest, ExitsTwoWithoutTheDictionaryAndLeavesThePageAsItWas) {
  WriteFile(folder_ / "log.html", "older");
  fs::remove(folder_ / "tvadif.txt");
  const BatchRun run = folder_.Run("html log.adi");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("TVADIF.txt file not found."), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(folder_ / "log.html"), "older");
}

TEST_F(HtmlCommandTest, TakesExactlyOneLog) {
  EXPECT_EQ(folder_.Run("html").status, 64);
  EXPECT_EQ(folder_.Run("html log.adi other.adi").status, 64);
  EXPECT_EQ(folder_.Run("html --pdf log.adi").status, 64);
  EXPECT_NE(folder_.Run("--help").out.find("html LOG"), std::string::npos);
}

}  // namespace
}  // namespace tavrilon::test
