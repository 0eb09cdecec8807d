#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string_view>

class QWidget;

namespace tavrilon::app {

class Desktop;

// Asks where a job on the PDF printer is saved, offering a name made from the
// input file and the job; asks again when the answer is the input file
// itself. Nothing when the person cancels.
std::optional<std::filesystem::path> AskPdfDestination(Desktop& desktop, QWidget* parent,
                                                       const std::filesystem::path& inputFile,
                                                       std::string_view job);

}  // namespace tavrilon::app
