#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavrilon::test {

// A word of a PDF page as pdftotext -bbox-layout finds it, in points from the
// page's top left corner.
struct PdfWord {
  int page;
  double xMin;
  double yMin;
  double xMax;
  double yMax;
  std::string text;
};
std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& pdf);

// A page of a PDF as pixels, from pdftoppm.
struct PageImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  // The box of the pixels in the rectangle that are clearly blue; empty
  // (right < left) when there are none.
  struct Box {
    int left;
    int top;
    int right;
    int bottom;
  };
  Box BlueInk(int left, int top, int right, int bottom) const;
};
// Page `page` (from 1) at `dpi`.
PageImage RenderPdfPage(const std::filesystem::path& pdf, int page, int dpi);

}  // namespace tavrilon::test
