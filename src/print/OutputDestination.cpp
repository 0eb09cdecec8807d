#include "print/OutputDestination.h"

#include <unistd.h>

#include "files/RegularFile.h"
#include "files/ReplacingFile.h"

namespace tavrilon::print {

namespace {

// One file by whatever name: the same inode when both exist, the same path
// once links and dots are resolved when one does not.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) {
    return true;
  }
  std::error_code ecA;
  std::error_code ecB;
  const std::filesystem::path canonicalA = std::filesystem::weakly_canonical(a, ecA);
  const std::filesystem::path canonicalB = std::filesystem::weakly_canonical(b, ecB);
  return !ecA && !ecB && canonicalA == canonicalB;
}

}  // namespace

std::optional<std::string> ProtectedFileFault(
    const std::filesystem::path& target, const std::filesystem::path& input,
    const std::vector<std::filesystem::path>& protectedFiles, std::string_view kind) {
  const std::string the = "The " + std::string(kind);
  std::string linkFailure;
  // What the write replaces: a link's target, which may lie anywhere.
  const std::filesystem::path replaced = files::FinalTarget(target, linkFailure);
  if (!linkFailure.empty()) {
    return the + " cannot be written to " + target.string() + ": " + linkFailure + ".";
  }
  if (!input.empty() && SameFile(replaced, input)) {
    return the + " cannot be written over the log " + input.string() + ".";
  }
  for (const std::filesystem::path& kept : protectedFiles) {
    if (!kept.empty() && SameFile(replaced, kept)) {
      return the + " cannot be written over " + kept.string() + ": Tavrilon needs that file.";
    }
  }
  return std::nullopt;
}

std::optional<std::string> OutputDestinationFault(
    const std::filesystem::path& target, const std::filesystem::path& input,
    const std::vector<std::filesystem::path>& protectedFiles, std::string_view kind) {
  if (target.empty()) {
    return "No file was named for the " + std::string(kind) + ".";
  }
  if (auto fault = ProtectedFileFault(target, input, protectedFiles, kind)) {
    return fault;
  }
  std::string ignored;  // the links were followed above
  const std::filesystem::path replaced = files::FinalTarget(target, ignored);
  const std::string cannot =
      "The " + std::string(kind) + " cannot be written to " + target.string() + ": ";
  if (const std::string fault = files::NotARegularFile(replaced); !fault.empty()) {
    return cannot + "it " + fault + ".";
  }
  const std::filesystem::path folder =
      replaced.parent_path().empty() ? std::filesystem::path(".") : replaced.parent_path();
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    return cannot + (std::filesystem::exists(folder, ec)
                         ? folder.string() + " is not a folder."
                         : "the folder " + folder.string() + " does not exist.");
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    return cannot + "the folder " + folder.string() + " cannot be written.";
  }
  return std::nullopt;
}

}  // namespace tavrilon::print
