#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include <QString>

class QWidget;

namespace tavrilon::app {

class Desktop;

// Asks where a job on the PDF printer is saved, offering a name made from the
// input file and the job; asks again, saying why, when the answer may not be
// written (print::OutputDestinationFault). Nothing when the person cancels.
std::optional<std::filesystem::path> AskPdfDestination(
    Desktop& desktop, QWidget* parent, const std::filesystem::path& inputFile, std::string_view job,
    const std::vector<std::filesystem::path>& protectedFiles);

}  // namespace tavrilon::app
