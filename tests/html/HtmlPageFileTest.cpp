#include <filesystem>

#include <gtest/gtest.h>

#include "html/HtmlPageFile.h"
#include "support/TestSupport.h"

namespace tavrilon::html {
namespace {

namespace fs = std::filesystem;

// An uncommitted page leaves an older one and no trace, and a page that cannot
// be made says why: see HtmlExportTest.
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
}

}  // namespace
}  // namespace tavrilon::html
