#include "batch/PdfReading.h"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/TestSupport.h"

namespace tavrilon::test {

std::vector<PdfWord> ReadPdfWords(const std::filesystem::path& pdf) {
  const std::filesystem::path html = pdf.string() + ".html";
  const std::string command =
      "pdftotext -bbox-layout '" + pdf.string() + "' '" + html.string() + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) {
    return {};
  }
  const std::string content = ReadFile(html);
  static const std::regex kPage(R"(<page )");
  static const std::regex kWord(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  int page = 0;
  std::istringstream lines(content);
  std::string line;
  std::smatch m;
  while (std::getline(lines, line)) {
    if (std::regex_search(line, kPage)) {
      ++page;
    } else if (std::regex_search(line, m, kWord)) {
      words.push_back(
          {page, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
    }
  }
  return words;
}

PageImage RenderPdfPage(const std::filesystem::path& pdf, int page, int dpi) {
  const std::string prefix = pdf.string() + "-page";
  const std::string command = "pdftoppm -r " + std::to_string(dpi) + " -f " + std::to_string(page) +
                              " -l " + std::to_string(page) + " -singlefile '" + pdf.string() +
                              "' '" + prefix + "'";
  PageImage image;
  if (std::system(command.c_str()) != 0) {
    return image;
  }
  std::ifstream in(prefix + ".ppm", std::ios::binary);
  std::string magic;
  int maxValue = 0;
  in >> magic >> image.width >> image.height >> maxValue;
  in.get();
  image.rgb.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) *
                   3);
  in.read(reinterpret_cast<char*>(image.rgb.data()),
          static_cast<std::streamsize>(image.rgb.size()));
  return image;
}

PageImage::Box PageImage::BlueInk(int left, int top, int right, int bottom) const {
  Box box{right, bottom, left - 1, top - 1};
  for (int y = std::max(0, top); y < std::min(bottom, height); ++y) {
    for (int x = std::max(0, left); x < std::min(right, width); ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(x)) *
                             3;
      if (rgb[at + 2] > 150 && rgb[at] < 110 && rgb[at + 1] < 110) {
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
               std::max(box.bottom, y)};
      }
    }
  }
  return box;
}

}  // namespace tavrilon::test
