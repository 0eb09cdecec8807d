#pragma once

#include <filesystem>
#include <string>

#include "support/TestSupport.h"

namespace tavrilon::test {

// What one run of tavrilon-batch did.
struct BatchRun {
  int status = -1;
  std::string out;
  std::string err;
};

// A program folder of its own for tavrilon-batch (the program, its
// dictionary, and the settings file it writes), so runs never touch the build.
class BatchFolder {
 public:
  BatchFolder();
  const std::filesystem::path& path() const { return dir_.path(); }
  std::filesystem::path operator/(std::string_view name) const { return dir_ / name; }
  // Runs tavrilon-batch with `args` (already quoted for the shell).
  BatchRun Run(const std::string& args) const;

 private:
  TempDir dir_;
};

}  // namespace tavrilon::test
