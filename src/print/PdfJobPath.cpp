#include "print/PdfJobPath.h"

#include <unistd.h>

#include <string>

#include "files/RegularFile.h"

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

std::optional<std::string> PdfDestinationFault(const std::filesystem::path& target,
                                               const std::filesystem::path& input,
                                               const std::vector<std::filesystem::path>& ownFiles,
                                               std::string_view kind) {
  const std::string the = "The " + std::string(kind);
  if (target.empty()) {
    return "No file was named for the " + std::string(kind) + ".";
  }
  if (WouldOverwriteInput(target, input)) {
    return the + " cannot be written over the log " + input.string() + ".";
  }
  for (const std::filesystem::path& own : ownFiles) {
    if (WouldOverwriteInput(target, own)) {
      return the + " cannot be written over " + own.string() + ": Tavrilon needs that file.";
    }
  }
  const std::string cannot = the + " cannot be written to " + target.string() + ": ";
  if (const std::string fault = files::NotARegularFile(target); !fault.empty()) {
    return cannot + "it " + fault + ".";
  }
  const std::filesystem::path folder =
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    return cannot + "the folder " + folder.string() + " does not exist.";
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    return cannot + "the folder " + folder.string() + " cannot be written.";
  }
  return std::nullopt;
}

}  // namespace tavrilon::print
