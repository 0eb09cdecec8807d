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
  // The page's markup is the export's test; here the settings reach it.
  for (const char* text : {"<title>K1ABC Logbook</title>", ">Station<", ">ZZ2<"}) {
    EXPECT_NE(page.find(text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace tavrilon::test
