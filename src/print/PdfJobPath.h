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

// A PDF must never replace the log it is printed from.
bool WouldOverwriteInput(const std::filesystem::path& target, const std::filesystem::path& input);

// Why a PDF may not be written at `target`, as a sentence; nothing when it
// may. Checked before a run reads its first record: the file must be named,
// lie in a folder that exists and can be written, be a regular file when it
// exists, and be neither the log nor one of `ownFiles` (the settings file,
// the dictionary, the programs). `kind` names the file in the sentence.
std::optional<std::string> PdfDestinationFault(const std::filesystem::path& target,
                                               const std::filesystem::path& input,
                                               const std::vector<std::filesystem::path>& ownFiles,
                                               std::string_view kind = "PDF");

}  // namespace tavrilon::print
