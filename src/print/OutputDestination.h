#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrilon::print {

// Why a file the program writes may not go to `target`, as a sentence: the
// file a write there replaces, through any symbolic links, is the log
// `input` or one of `protectedFiles` (Session::ProtectedFiles); nothing
// when it is neither. `kind` names the file in the sentence.
std::optional<std::string> ProtectedFileFault(
    const std::filesystem::path& target, const std::filesystem::path& input,
    const std::vector<std::filesystem::path>& protectedFiles, std::string_view kind);

// Why a file the program writes (a PDF, a sent log, a picture) may not be
// written at `target`, as a sentence; nothing when it may. Checked before a run reads its first
// record: the file must be named, be no ProtectedFileFault, and the file a write there replaces
// must be a regular file when it exists and lie in a folder that exists and can be written. `kind`
// names the file in the sentence.
std::optional<std::string> OutputDestinationFault(
    const std::filesystem::path& target, const std::filesystem::path& input,
    const std::vector<std::filesystem::path>& protectedFiles, std::string_view kind = "PDF");

}  // namespace tavrilon::print
