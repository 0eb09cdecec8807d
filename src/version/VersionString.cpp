#include "version/VersionString.h"

#include "version/Version.h"

namespace tavrilon {

std::string VersionString(int major, int minor, int revision, bool decorated) {
  std::string numbers =
      std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
  if (!decorated) {
    return numbers;
  }
  std::string suffix;
  if (major < 1 && minor < 1) {
    suffix = " (beta)";
  } else if (minor < 1 && major > 0) {
    suffix = " (preview)";
  }
  return " v" + numbers + suffix;
}

std::string VersionString(bool decorated) {
  return VersionString(kVersionMajor, kVersionMinor, kVersionRevision, decorated);
}

}  // namespace tavrilon
