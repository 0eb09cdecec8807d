#include <gtest/gtest.h>

#include "print/PdfJobPath.h"

namespace tavrilon::print {
namespace {

TEST(PdfJobPath, SuggestsANameBesideTheInput) {
  using std::filesystem::path;
  EXPECT_EQ(SuggestedPdfPath("/op/log.2024.adif", "logbook"), path("/op/log.2024-logbook.pdf"));
  EXPECT_EQ(WithPdfExtension("/tmp/out"), path("/tmp/out.pdf"));
  EXPECT_EQ(WithPdfExtension("/tmp/out.PDF"), path("/tmp/out.PDF"));
}

}  // namespace
}  // namespace tavrilon::print
