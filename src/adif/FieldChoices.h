#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavrilon::adif {

// The names a field list offers: each line of the dictionary after its
// first, which is a note and names no field, that is not blank, as read, in
// file order. Nothing when the file cannot be read: `fault` then holds what
// to tell the user, the dictionary's own message when the file is missing.
std::optional<std::vector<std::string>> ReadFieldChoices(
    const std::filesystem::path& dictionaryFile, std::string& fault);

}  // namespace tavrilon::adif
