#include "print/PdfJobPath.h"

#include <string>

namespace tavrilon::print {

std::filesystem::path SuggestedPdfPath(const std::filesystem::path& inputFile,
                                       std::string_view job) {
  std::string name = inputFile.stem().string();
  if (name.empty()) {
    name = "tavrilon";
  }
  name += '-';
  name += job;
  name += ".pdf";
  return inputFile.parent_path() / name;
}

std::filesystem::path WithPdfExtension(std::filesystem::path chosen) {
  if (!chosen.has_extension()) {
    chosen += ".pdf";
  }
  return chosen;
}

}  // namespace tavrilon::print
