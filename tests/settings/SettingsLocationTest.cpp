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

// The settings of a program folder that can no longer be written go on in
// the configuration folder, once, and the user is told where they now live.
TEST(SettingsLocation, TheConfigurationFileStartsAsACopyOfTheProgramFolders) {
  const test::TempDir dir;
  const std::filesystem::path program = dir / "program";
  std::filesystem::create_directory(program);
  test::WriteFile(program / "tavrilon.ini", "[Globals]\nMyCall=W1AW\n");
  const std::filesystem::path moved = dir / "config" / "tavrilon" / "tavrilon.ini";

  SettingsPlace place = TakeOverSettingsFile(program, moved);
  EXPECT_EQ(place.file, moved);
  EXPECT_EQ(test::ReadFile(moved), "[Globals]\nMyCall=W1AW\n");
  EXPECT_NE(place.notice.find("now live in " + moved.string()), std::string::npos) << place.notice;

  test::WriteFile(moved, "[Globals]\nMyCall=K1ABC\n");  // the copy lives on; told once
  place = TakeOverSettingsFile(program, moved);
  EXPECT_EQ(place.file, moved);
  EXPECT_EQ(place.notice, "");
  EXPECT_EQ(test::ReadFile(moved), "[Globals]\nMyCall=K1ABC\n");

  // Where no copy can be made the stored choices are read where they are.
  test::WriteFile(dir / "blocked", "");
  place = TakeOverSettingsFile(program, dir / "blocked" / "tavrilon.ini");
  EXPECT_EQ(place.file, program / "tavrilon.ini");
  EXPECT_NE(place.notice.find("could not be copied"), std::string::npos) << place.notice;

  std::filesystem::remove(program / "tavrilon.ini");
  place = TakeOverSettingsFile(program, dir / "other" / "tavrilon.ini");
  EXPECT_EQ(place.file, dir / "other" / "tavrilon.ini");
  EXPECT_FALSE(std::filesystem::exists(dir / "other"))
      << "nothing to copy: the first write makes it";
}

}  // namespace
}  // namespace tavrilon::settings
