#include <filesystem>

#include <gtest/gtest.h>

#include "files/TemporaryFiles.h"
#include "support/TestSupport.h"

namespace tavrilon::files {
namespace {

// Only a temporary file of ours whose process is gone is a leftover; any
// other name, however like one, is someone's file.
TEST(TemporaryFiles, RemovesOnlyTheFilesOfProcessesGone) {
  test::TempDir dir;
  const struct {
    std::string name;
    bool removed;
  } cases[] = {
      {".tavrilon-999999999-1.tmp", true},       // beyond any process id: gone
      {TemporaryFileName(1), false},             // this process's own
      {".tavrilon-1-1.tmp", false},              // a process that runs
      {".tavrilon--1.tmp", false},               // no process id
      {".tavrilon-999999999.tmp", false},        // no number of its own
      {".tavrilon-999999999-x.tmp", false},      // a number that is none
      {".tavrilon-9999999999-1.tmp", false},     // too long for a process id
      {"tavrilon-999999999-1.tmp", false},       // not hidden
      {".tavrilon-999999999-1.tmp.bak", false},  // another ending
  };
  for (const auto& c : cases) {
    test::WriteFile(dir / c.name, "");
  }
  RemoveLeftoverTemporaryFiles(dir.path());
  for (const auto& c : cases) {
    EXPECT_NE(std::filesystem::exists(dir / c.name), c.removed) << c.name;
  }
}

}  // namespace
}  // namespace tavrilon::files
