#include <set>

#include <gtest/gtest.h>

#include "shell/SystemInformation.h"

namespace tavrilon::shell {
namespace {

TEST(SystemInformation, FindsTheFirstKnownProgramOnThePath) {
  const std::set<std::string> present = {"/opt/bin/kinfocenter", "/usr/bin/gnome-system-monitor"};
  const auto exists = [&](const std::filesystem::path& p) { return present.count(p.string()) > 0; };
  EXPECT_EQ(FindSystemInformationProgram("/usr/bin:/opt/bin", exists),
            std::filesystem::path("/opt/bin/kinfocenter"));
  EXPECT_EQ(FindSystemInformationProgram("/usr/bin", exists),
            std::filesystem::path("/usr/bin/gnome-system-monitor"));
  EXPECT_EQ(FindSystemInformationProgram("::/sbin:", exists), std::nullopt);
}

}  // namespace
}  // namespace tavrilon::shell
