#include "batch/BatchTestSupport.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace tavrilon::test {

BatchFolder::BatchFolder(std::string_view log) {
  std::filesystem::copy_file(std::filesystem::path(TAVRILON_BIN_DIR) / "tavrilon-batch",
                             dir_ / "tavrilon-batch");
  if (!log.empty()) {
    WriteFile(dir_ / "log.adi", log);
  }
}

int BatchFolder::Shell(const std::string& command) const {
  return std::system(("cd '" + dir_.path().string() + "' && " + command).c_str());
}

BatchRun BatchFolder::Run(const std::string& args) const {
  // A run that hangs (a FIFO opened for reading) fails the test instead.
  const int raw = Shell("timeout 120 ./tavrilon-batch " + args + " > stdout.txt 2> stderr.txt");
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir_ / "stdout.txt"),
          ReadFile(dir_ / "stderr.txt")};
}

std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& pdf) {
  const std::string tsv = pdf.string() + ".tsv";
  if (std::system(("pdftotext -tsv '" + pdf.string() + "' '" + tsv + "' 2>/dev/null").c_str()) !=
      0) {
    return {};
  }
  std::istringstream in(ReadFile(tsv));
  std::vector<PdfWord> words;
  int level = 0, page = 0, skip = 0;
  double left = 0, top = 0, width = 0, height = 0;
  std::string header, confidence, text;
  std::getline(in, header);
  while (in >> level >> page >> skip >> skip >> skip >> skip >> left >> top >> width >> height >>
         confidence >> text) {
    if (level == 5) {  // a word
      words.push_back({page, left, top, left + width, top + height, text});
    }
  }
  return words;
}

PageImage RenderPdfPage(const std::filesystem::path& pdf, int page, int dpi) {
  const std::string prefix = pdf.string() + "-page", number = std::to_string(page);
  const std::string command = "pdftoppm -singlefile -r " + std::to_string(dpi) + " -f " + number +
                              " -l " + number + " '" + pdf.string() + "' '" + prefix + "'";
  PageImage image;
  if (std::system(command.c_str()) != 0) {
    return image;
  }
  const std::string ppm = ReadFile(prefix + ".ppm");
  std::istringstream in(ppm);
  std::string magic;
  in >> magic >> image.width >> image.height;
  image.rgb.assign(ppm.end() - image.width * image.height * 3, ppm.end());
  return image;
}

PageImage::Box PageImage::BlueInk(int left, int top, int right, int bottom) const {
  Box box{right, bottom, left - 1, top - 1};
  for (int y = std::max(0, top); y < std::min(bottom, height); ++y) {
    for (int x = std::max(0, left); x < std::min(right, width); ++x) {
      const auto at = static_cast<std::size_t>((y * width + x) * 3);
      if (rgb[at + 2] > 150 && rgb[at] < 110 && rgb[at + 1] < 110) {
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
               std::max(box.bottom, y)};
      }
    }
  }
  return box;
}

}  // namespace tavrilon::test
