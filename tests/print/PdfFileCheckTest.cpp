#include <string>

#include <gtest/gtest.h>

#include "print/PdfFileCheck.h"
#include "support/TestSupport.h"

namespace tavrilon::print {
namespace {

constexpr std::string_view kBody =
    "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
    "2 0 obj\n<< /Type /Pages /Kids [] /Count 0 >>\nendobj\n";

// A small PDF whose cross-reference table stands where its trailer says.
std::string WholePdf() {
  std::string pdf(kBody);
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 3\n0000000000 65535 f \n0000000009 00000 n \n0000000058 00000 n \n";
  pdf += "trailer\n<< /Size 3 /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

TEST(PdfFileCheck, FindsADocumentNotWrittenWhole) {
  const std::string whole = WholePdf();
  const std::string incomplete = "the document was not written whole";
  const struct {
    const char* what;
    std::string bytes;
    std::string fault;
  } cases[] = {
      {"whole", whole, ""},
      {"cut before %%EOF", whole.substr(0, whole.rfind("%%EOF")), incomplete},
      {"a block lost before the table", whole.substr(0, 9) + whole.substr(30), incomplete},
      {"empty", "", incomplete},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    test::WriteFile(dir / "out.pdf", c.bytes);
    EXPECT_EQ(PdfFileFault(dir / "out.pdf"), c.fault) << c.what;
  }
}

}  // namespace
}  // namespace tavrilon::print
