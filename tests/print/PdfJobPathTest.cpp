#include <gtest/gtest.h>

#include "print/PdfJobPath.h"
#include "support/TestSupport.h"

namespace tavrilon::print {
namespace {

TEST(PdfJobPath, SuggestsANameBesideTheInput) {
  EXPECT_EQ(SuggestedPdfPath("/home/op/logs/mylog.adi", "labels"),
            std::filesystem::path("/home/op/logs/mylog-labels.pdf"));
  EXPECT_EQ(SuggestedPdfPath("/home/op/log.2024.adif", "logbook"),
            std::filesystem::path("/home/op/log.2024-logbook.pdf"));
  EXPECT_EQ(SuggestedPdfPath("/home/op/noext", "labels"),
            std::filesystem::path("/home/op/noext-labels.pdf"));
  EXPECT_EQ(WithPdfExtension("/tmp/out"), std::filesystem::path("/tmp/out.pdf"));
  EXPECT_EQ(WithPdfExtension("/tmp/out.PDF"), std::filesystem::path("/tmp/out.PDF"));
}

TEST(PdfJobPath, NeverReplacesTheLog) {
  test::TempDir dir;
  test::WriteFile(dir / "mylog.adi", "<EOH>\n");
  std::filesystem::create_symlink(dir / "mylog.adi", dir / "link.pdf");
  EXPECT_TRUE(WouldOverwriteInput(dir / "mylog.adi", dir / "mylog.adi"));
  EXPECT_TRUE(WouldOverwriteInput(dir / "sub" / ".." / "mylog.adi", dir / "mylog.adi"));
  EXPECT_TRUE(WouldOverwriteInput(dir / "link.pdf", dir / "mylog.adi"));
  EXPECT_FALSE(WouldOverwriteInput(dir / "mylog-labels.pdf", dir / "mylog.adi"));
}

}  // namespace
}  // namespace tavrilon::print
