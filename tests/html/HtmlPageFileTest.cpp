#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <system_error>

#include "html/HtmlPageFile.h"
#include "support/TestSupport.h"

namespace tavrilon::html {
namespace {

namespace fs = std::filesystem;
using tavrilon::test::ReadFile;

std::size_t FilesIn(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(HtmlPageFileTest, ThePageAppearsWholeOnlyWhenCommitted) {
  tavrilon::test::TempDir dir;
  tavrilon::test::WriteFile(dir / "page.html", "old");
  {
    HtmlPageFile page(dir / "page.html");
    ASSERT_TRUE(page.Open());
    const std::string big(100000, 'x');  // more than one buffer's worth
    page.Write("<html>\r\n");
    page.Write(big);
    EXPECT_EQ(ReadFile(dir / "page.html"), "old") << "the page is not touched while written";
    EXPECT_EQ(FilesIn(dir.path()), 2u);
    ASSERT_TRUE(page.Commit()) << page.Failure();
    EXPECT_EQ(ReadFile(dir / "page.html"), "<html>\r\n" + big);
  }
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(HtmlPageFileTest, APageNeverCommittedLeavesNoTrace) {
  tavrilon::test::TempDir dir;
  {
    HtmlPageFile page(dir / "page.html");
    ASSERT_TRUE(page.Open());
    page.Write(std::string(100000, 'x'));
  }
  EXPECT_EQ(FilesIn(dir.path()), 0u);
}

TEST(HtmlPageFileTest, ThePageMayHaveTheLongestNameAFolderAllows) {
  tavrilon::test::TempDir dir;
  const fs::path target = dir / (std::string(250, 'p') + ".html");
  HtmlPageFile page(target);
  ASSERT_TRUE(page.Open()) << page.Failure();
  page.Write("x");
  ASSERT_TRUE(page.Commit()) << page.Failure();
  EXPECT_EQ(ReadFile(target), "x");
}

TEST(HtmlPageFileTest, FailuresCarryTheSystemsReason) {
  tavrilon::test::TempDir dir;
  HtmlPageFile nowhere(dir / "no-such-folder" / "page.html");
  EXPECT_FALSE(nowhere.Open());
  EXPECT_EQ(nowhere.Failure(), std::error_code(ENOENT, std::system_category()).message());
  nowhere.Write("ignored");
  EXPECT_FALSE(nowhere.Commit());

  fs::create_directory(dir / "taken.html");
  HtmlPageFile taken(dir / "taken.html");
  EXPECT_FALSE(taken.Open());
  EXPECT_EQ(taken.Failure(), "it is a folder");
  EXPECT_EQ(FilesIn(dir.path()), 1u) << "nothing is left beside it";
}

}  // namespace
}  // namespace tavrilon::html
