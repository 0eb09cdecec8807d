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

bool WouldOverwriteInput(const std::filesystem::path& target, const std::filesystem::path& input) {
  std::error_code ec;
  if (std::filesystem::equivalent(target, input, ec)) {
    return true;  // the same file, by whatever name
  }
  return std::filesystem::weakly_canonical(target, ec) ==
         std::filesystem::weakly_canonical(input, ec);
}

}  // namespace tavrilon::print
