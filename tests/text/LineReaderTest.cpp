#include <gtest/gtest.h>

#include <vector>

#include "support/TestSupport.h"
#include "text/LineReader.h"

namespace tavrilon::text {
namespace {

using test::WriteFile;
using V = std::vector<std::string>;

std::vector<std::string> Lines(std::string_view content) {
  test::TempDir dir;
  WriteFile(dir / "f.txt", content);
  LineReader reader;
  std::string error;
  EXPECT_TRUE(reader.Open(dir / "f.txt", error)) << error;
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(line)) {
    lines.push_back(line);
  }
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.Failed());
  return lines;
}

TEST(LineReader, SplitsAtLfAndCrLf) {
  EXPECT_EQ(Lines("a\nb\r\nc"), (V{"a", "b", "c"}));
  EXPECT_EQ(Lines("a\n"), (V{"a"}));  // a final line end starts no line
  EXPECT_EQ(Lines("a\n\n"), (V{"a", ""}));
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines("a\rb\n"), (V{"a\rb"}));      // a lone CR is data
  EXPECT_EQ(Lines("a<eor>\r"), (V{"a<eor>"}));  // CR LF cut short at the end
}

TEST(LineReader, ReadsLinesLongerThanItsBuffer) {
  const std::string longLine(700000, 'x');
  EXPECT_EQ(Lines(longLine + "\r\nshort\n" + longLine), (V{longLine, "short", longLine}));
  // A CR LF split across two buffer fills is still one line end.
  const std::string edge(262143, 'y');
  EXPECT_EQ(Lines(edge + "\r\nz"), (V{edge, "z"}));
}

TEST(LineReader, DecidesEncodingLineByLine) {
  EXPECT_EQ(Lines("Gro\xDF\nGro\xC3\x9F\n"), (V{"Gro\xC3\x9F", "Gro\xC3\x9F"}));
}

TEST(LineReader, ReportsWhatCannotBeOpened) {
  test::TempDir dir;
  LineReader reader;
  std::string error;
  EXPECT_FALSE(reader.Open(dir / "missing.adi", error));
  EXPECT_NE(error.find("missing.adi"), std::string::npos);
  EXPECT_FALSE(reader.Open(dir.path(), error));
  EXPECT_NE(error.find("folder"), std::string::npos);
}

TEST(LineReader, RewindsToTheFirstLine) {
  test::TempDir dir;
  WriteFile(dir / "f.txt", "one\ntwo\n");
  LineReader reader;
  std::string error, line;
  ASSERT_TRUE(reader.Open(dir / "f.txt", error));
  EXPECT_EQ(reader.FileLength(), 8);
  while (reader.ReadLine(line)) {
  }
  ASSERT_TRUE(reader.Rewind());
  ASSERT_TRUE(reader.ReadLine(line));
  EXPECT_EQ(line, "one");
}

}  // namespace
}  // namespace tavrilon::text
