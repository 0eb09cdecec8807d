#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::print {

// Where a job on the PDF printer is offered to be saved: beside its input
// file, named after it and the job ("mylog-labels.pdf").
std::filesystem::path SuggestedPdfPath(const std::filesystem::path& inputFile,
                                       std::string_view job);

// The name the person typed, with ".pdf" added when it has no extension.
std::filesystem::path WithPdfExtension(std::filesystem::path chosen);

// Why a file the program writes may not go to `target`, as a sentence: the
// file a write there replaces, through any symbolic links, is the log
// `input` or one of `protectedFiles` (Session::ProtectedFiles); nothing
// when it is neither. `kind` names the file in the sentence.
std::optional<std::string> ProtectedFileFault(
    const std::filesystem::path& target, const std::filesystem::path& input,
    const std::vector<std::filesystem::path>& protectedFiles, std::string_view kind);

// Why a PDF may not be written at `target`, as a sentence; nothing when it
// may. Checked before a run reads its first record: the file must be named,
// be no ProtectedFileFault, and the file a write there replaces must be a
// regular file when it exists and lie in a folder that exists and can be
// written. `kind` names the file in the sentence.
std::optional<std::string> PdfDestinationFault(
    const std::filesystem::path& target, const std::filesystem::path& input,
    const std::vector<std::filesystem::path>& protectedFiles, std::string_view kind = "PDF");

}  // namespace tavrilon::print
