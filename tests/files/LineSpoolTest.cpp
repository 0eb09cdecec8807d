#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/LineSpool.h"
#include "support/TestSupport.h"

namespace tavrilon::files {
namespace {

// The spool writes every 64 KiB and reads back 256 KiB at a time: lines
// that end on a chunk's last byte, cross a chunk's end or are longer than a
// chunk come back whole and in order.
TEST(LineSpool, GivesBackLinesThatCrossAChunkEnd) {
  std::vector<std::string> lines;
  lines.emplace_back((std::size_t{1} << 18) - 1, 'a');  // its line end is a chunk's last byte
  lines.emplace_back();
  for (int i = 0; i < 600; ++i) {
    lines.push_back(std::to_string(i) + std::string(999, static_cast<char>('b' + i % 20)));
  }
  lines.emplace_back(300000, 'z');  // longer than a chunk
  lines.emplace_back("last");

  test::TempDir dir;
  LineSpool spool;
  ASSERT_TRUE(spool.Open(dir.path())) << spool.Failure();
  for (const std::string& line : lines) {
    spool.Append(line);
  }
  std::vector<std::string> back;
  ASSERT_TRUE(spool.ForEach([&back](std::string_view line) { back.emplace_back(line); }))
      << spool.Failure();
  EXPECT_EQ(spool.Count(), lines.size());
  EXPECT_TRUE(back == lines) << "the lines came back changed, or not in order";
}

}  // namespace
}  // namespace tavrilon::files
