#include <gtest/gtest.h>

#include "settings/ProgramFolder.h"
#include "settings/SettingsLocation.h"
#include "support/TestSupport.h"

namespace tavrilon::settings {
namespace {

TEST(SettingsLocation, BesideTheProgramElseInTheUsersConfiguration) {
  const struct {
    const char* dataFolder;
    bool programFolderWritable;
    const char *xdgConfigHome, *home, *expected;
  } cases[] = {
      {"/opt/tv", true, "/xdg", "/home/op", "/opt/tv/tavrilon.ini"},
      {"/opt/tv", false, "/xdg", "/home/op", "/xdg/tavrilon/tavrilon.ini"},
      {"/opt/tv", false, nullptr, "/home/op", "/home/op/.config/tavrilon/tavrilon.ini"},
      {"/opt/tv", false, "relative", "/home/op", "/home/op/.config/tavrilon/tavrilon.ini"},
      {"/opt/tv", false, nullptr, nullptr, "/opt/tv/tavrilon.ini"},
      // Installed: root may write the program's folder, yet never gets it.
      {"/opt/share/tavrilon", true, nullptr, "/root", "/root/.config/tavrilon/tavrilon.ini"},
  };
  for (const auto& c : cases) {
    const auto writable = [&](const std::filesystem::path& folder) {
      EXPECT_EQ(folder, "/opt/tv");
      return c.programFolderWritable;
    };
    EXPECT_EQ(LocateSettingsFile("/opt/tv", c.dataFolder, writable, c.xdgConfigHome, c.home),
              c.expected)
        << c.dataFolder << " " << c.programFolderWritable << " "
        << (c.xdgConfigHome ? c.xdgConfigHome : "unset");
  }
}

// A build keeps its data beside the programs, an installed program in
// share/tavrilon; the dictionary beside the program wins over an installed one.
TEST(SettingsLocation, TheDataFolderIsWhereTheDictionaryIs) {
  const struct {
    bool beside, shared;
    const char* expected;
  } cases[] = {{false, true, "share/tavrilon"}, {true, true, "bin"}, {false, false, "bin"}};
  for (const auto& c : cases) {
    const test::TempDir dir;
    std::filesystem::create_directories(dir / "bin");
    std::filesystem::create_directories(dir / "share" / "tavrilon");
    if (c.beside) {
      test::WriteFile(dir / "bin" / "tvadif.txt", "");
    }
    if (c.shared) {
      test::WriteFile(dir / "share" / "tavrilon" / "tvadif.txt", "");
    }
    EXPECT_EQ(DataFolder(dir / "bin", "tvadif.txt"), dir / c.expected)
        << c.beside << " " << c.shared;
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
}

}  // namespace
}  // namespace tavrilon::settings
