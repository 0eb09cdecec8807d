#include <gtest/gtest.h>

#include "settings/SettingsLocation.h"
#include "support/TestSupport.h"

namespace tavrilon::settings {
namespace {

struct LocationCase {
  bool programFolderWritable;
  const char* xdgConfigHome;
  const char* home;
  const char* expected;
};

TEST(SettingsLocation, BesideTheProgramElseInTheUsersConfiguration) {
  const LocationCase cases[] = {
      {true, "/xdg", "/home/op", "/opt/tv/tavrilon.ini"},
      {false, "/xdg", "/home/op", "/xdg/tavrilon/tavrilon.ini"},
      {false, "", "/home/op", "/home/op/.config/tavrilon/tavrilon.ini"},
      {false, nullptr, "/home/op", "/home/op/.config/tavrilon/tavrilon.ini"},
      {false, "relative", "/home/op", "/home/op/.config/tavrilon/tavrilon.ini"},
      {false, nullptr, nullptr, "/opt/tv/tavrilon.ini"},
  };
  for (const LocationCase& c : cases) {
    std::filesystem::path asked;
    const auto writable = [&](const std::filesystem::path& folder) {
      asked = folder;
      return c.programFolderWritable;
    };
    EXPECT_EQ(LocateSettingsFile("/opt/tv", writable, c.xdgConfigHome, c.home), c.expected)
        << c.programFolderWritable << " " << (c.xdgConfigHome ? c.xdgConfigHome : "unset");
    EXPECT_EQ(asked, "/opt/tv");
  }
}

TEST(SettingsLocation, DefaultIsBesideAWritableProgram) {
  const test::TempDir dir;
  EXPECT_EQ(DefaultSettingsFile(dir.path()), dir / "tavrilon.ini");
}

}  // namespace
}  // namespace tavrilon::settings
