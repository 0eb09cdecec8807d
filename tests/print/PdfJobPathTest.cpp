#include <gtest/gtest.h>

#include "print/PdfJobPath.h"
#include "support/TestSupport.h"

namespace tavrilon::print {
namespace {

TEST(PdfJobPath, SuggestsANameBesideTheInputAndNeverReplacesTheLogByAnyName) {
  using std::filesystem::path;
  EXPECT_EQ(SuggestedPdfPath("/op/log.2024.adif", "logbook"), path("/op/log.2024-logbook.pdf"));
  EXPECT_EQ(WithPdfExtension("/tmp/out"), path("/tmp/out.pdf"));
  EXPECT_EQ(WithPdfExtension("/tmp/out.PDF"), path("/tmp/out.PDF"));

  test::TempDir dir;
  test::WriteFile(dir / "mylog.adi", "<EOH>\n");
  std::filesystem::create_symlink(dir / "mylog.adi", dir / "link.pdf");
  EXPECT_TRUE(WouldOverwriteInput(dir / "sub" / ".." / "mylog.adi", dir / "mylog.adi"));
  EXPECT_TRUE(WouldOverwriteInput(dir / "link.pdf", dir / "mylog.adi"));
  EXPECT_FALSE(WouldOverwriteInput(dir / "mylog-labels.pdf", dir / "mylog.adi"));
}

}  // namespace
}  // namespace tavrilon::print
