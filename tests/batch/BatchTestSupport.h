#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace tavrilon::test {

// What one run of tavrilon-batch did.
struct BatchRun {
  int status = -1;
  std::string out, err;
};

// A folder of its own for tavrilon-batch, its dictionary, the settings it
// writes and `log` (when given) as log.adi, so runs never touch the build.
class BatchFolder {
 public:
  explicit BatchFolder(std::string_view log = "");
  std::filesystem::path operator/(std::string_view name) const { return dir_ / name; }
  // Runs tavrilon-batch with `args` (already quoted for the shell).
  BatchRun Run(const std::string& args) const;
  int Shell(const std::string& command) const;  // in the folder; std::system's status

 private:
  ProgramFolder dir_;
};

// A word of a PDF page as pdftotext finds it, in points from the top left.
struct PdfWord {
  int page;
  double xMin, yMin, xMax, yMax;
  std::string text;
};
std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& pdf);

// Page `page` (from 1) of a PDF at `dpi`, as pixels from pdftoppm.
struct PageImage {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  // The box of the pixels in the rectangle that are clearly blue; empty
  // (right < left) when there are none.
  struct Box {
    int left, top, right, bottom;
  };
  Box BlueInk(int left, int top, int right, int bottom) const;
};
PageImage RenderPdfPage(const std::filesystem::path& pdf, int page, int dpi);

}  // namespace tavrilon::test
