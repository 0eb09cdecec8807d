#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavrilon::print {

// Where a job on the PDF printer is offered to be saved: beside its input
// file, named after it and the job ("mylog-labels.pdf").
std::filesystem::path SuggestedPdfPath(const std::filesystem::path& inputFile,
                                       std::string_view job);

// The name the person typed, with ".pdf" added when it has no extension.
std::filesystem::path WithPdfExtension(std::filesystem::path chosen);

}  // namespace tavrilon::print
