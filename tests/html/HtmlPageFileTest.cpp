#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include "html/HtmlPageFile.h"
#include "support/TestSupport.h"

namespace tavrilon::html {
namespace {

namespace fs = std::filesystem;

// An uncommitted page leaves an older one and no trace: see HtmlExportTest.
TEST(HtmlPageFileTest, ALongPageAppearsWholeUnderTheLongestNameAFolderAllows) {
  tavrilon::test::TempDir dir;
  const fs::path target = dir / (std::string(250, 'p') + ".html");
  const std::string big(100000, 'x');  // more than one buffer's worth
  HtmlPageFile page(target);
  ASSERT_TRUE(page.Open()) << page.Failure();
  page.Write(big);
  EXPECT_FALSE(fs::exists(target)) << "the page is not there while written";
  ASSERT_TRUE(page.Commit()) << page.Failure();
  EXPECT_EQ(tavrilon::test::ReadFile(target), big);

  // Failures carry the system's reason.
  HtmlPageFile lost(dir / "no-such-folder" / "page.html");
  EXPECT_FALSE(lost.Open());
  EXPECT_EQ(lost.Failure(), std::error_code(ENOENT, std::system_category()).message());
  lost.Write("ignored");
  EXPECT_FALSE(lost.Commit());
}

}  // namespace
}  // namespace tavrilon::html
