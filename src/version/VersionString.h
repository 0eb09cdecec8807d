#pragma once

#include <string>

namespace tavrilon {

// The program's version as major.minor.revision; with `decorated`, " v" before
// it and " (beta)" or " (preview)" after it for versions before 1.x.
std::string VersionString(bool decorated = false);
std::string VersionString(int major, int minor, int revision, bool decorated);

}  // namespace tavrilon
