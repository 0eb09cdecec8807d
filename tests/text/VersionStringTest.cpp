#include <gtest/gtest.h>

#include "version/VersionString.h"

namespace tavrilon {
namespace {

TEST(VersionString, SuffixesFollowTheNumbers) {
  EXPECT_EQ(VersionString(2, 0, 5, true), " v2.0.5 (preview)");
  EXPECT_EQ(VersionString(0, 0, 3, true), " v0.0.3 (beta)");
  EXPECT_EQ(VersionString(1, 2, 0, true), " v1.2.0");
  EXPECT_EQ(VersionString(2, 0, 5, false), "2.0.5");
}

}  // namespace
}  // namespace tavrilon
