#pragma once

#include <filesystem>

namespace tavrilon::settings {

// The folder of the running executable; empty (the current folder) when the
// system does not tell.
std::filesystem::path ProgramFolder();

}  // namespace tavrilon::settings
