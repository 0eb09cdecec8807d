#include <gtest/gtest.h>

#include "batch/BatchTestSupport.h"

namespace tavrilon::test {
namespace {

TEST(HtmlCommand, WritesThePageBesideTheLogInTheLayoutOfTheSettings) {
  BatchFolder folder(ContactLog(2));
  WriteFile(folder / "tavrilon.ini",
            "[Globals]\nMyCall=K1ABC\n"
            "[Log]\nLogLayOut=CUSTOM\n[Custom Log]\ncolumn1=CALL,0,Station,0,3\n");
  const BatchRun run = folder.Run("html log.adi");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "Printing Log\nFormatting Log\nFormat complete - log.html created.\n");
  EXPECT_EQ(run.out, "");
  const std::string page = ReadFile(folder / "log.html");
  EXPECT_NE(page.find("<title>K1ABC Logbook</title>"), std::string::npos);
  EXPECT_NE(page.find("<TR>\r\n<TD ALIGN=center><FONT SIZE=\"2\">Station</font/></TD></TR>\r\n"),
            std::string::npos);
  EXPECT_NE(page.find(">ZZ2</font/></TD>\r\n</TR>"), std::string::npos);
  EXPECT_EQ(page.find(">QSO_DATE<"), std::string::npos);
}

}  // namespace
}  // namespace tavrilon::test
