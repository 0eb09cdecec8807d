#include <sys/stat.h>

#include <vector>

#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "text/LineReader.h"

namespace tavrilon::text {
namespace {

using test::WriteFile;
using V = std::vector<std::string>;
using namespace std::string_view_literals;

std::vector<std::string> Lines(std::string_view content,
                               std::size_t bufferBytes = LineReader::kBufferBytes) {
  test::TempDir dir;
  WriteFile(dir / "f.txt", content);
  LineReader reader(LineReader::kLineLimit, bufferBytes);
  std::string error;
  EXPECT_TRUE(reader.Open(dir / "f.txt", error)) << error;
  std::vector<std::string> lines;
  std::string line;
  std::string bytes;  // what the file holds, kept from the first line, taken by halves
  while (reader.ReadLine(line)) {
    lines.push_back(line);
    EXPECT_EQ(reader.LineNumber(), static_cast<std::int64_t>(lines.size()));
    reader.Keep();
    const std::string_view kept = reader.Kept();
    if (!reader.LineConverted()) {
      EXPECT_TRUE(kept.substr(reader.LineOffset()).starts_with(line));
    }
    bytes.append(reader.Take(kept.size() / 2));
    reader.Keep();  // the rest, from where the taking ended
  }
  bytes.append(reader.Take(reader.Kept().size()));
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.Failed());
  if (!content.starts_with("\xFF\xFE") && !content.starts_with("\xFE\xFF")) {
    EXPECT_EQ(bytes, content.substr(content.starts_with("\xEF\xBB\xBF") ? 3 : 0));
  }
  return lines;
}

TEST(LineReader, SplitsAtEveryLineEndAndTakesOffByteOrderMarks) {
  const struct {
    std::string_view content;
    V lines;
  } cases[] = {
      {"a\nb\r\nc", {"a", "b", "c"}},
      {"a\n\n", {"a", ""}},  // a final line end starts no line
      {"", {}},
      {"a\rb\r\r\nc\r", {"a", "b", "", "c"}},
      {"Gro\xDF\nGro\xC3\x9F\n", {"Gro\xC3\x9F", "Gro\xC3\x9F"}},      // each line decides
      {"\xEF\xBB\xBF<eoh>\n\xEF\xBB\xBF", {"<eoh>", "\xEF\xBB\xBF"}},  // only the first is a mark
      {"\xFF\xFE"
       "a\0\r\0\n\0\xDF\0\x3D\xD8\x00\xDE\r\0"sv,
       {"a", "\xC3\x9F\xF0\x9F\x98\x80"}},
      {"\xFE\xFF"
       "\0a\0\n\xD8\x3D\xDE\x00"sv,
       {"a", "\xF0\x9F\x98\x80"}},
      // Surrogates without their partner, and a byte that ends no unit.
      {"\xFF\xFE"
       "\x3D\xD8"
       "b\0\x00\xDE\n\0\x3D\xD8"
       "c"sv,
       {"\xEF\xBF\xBD"
        "b\xEF\xBF\xBD",
        "\xEF\xBF\xBD\xEF\xBF\xBD"}},
  };
  for (const auto& c : cases) {
    // Small buffers cut CR LF, surrogate pairs and UTF-16 units across reads.
    for (const std::size_t bufferBytes :
         {LineReader::kBufferBytes, std::size_t{1}, std::size_t{3}}) {
      EXPECT_EQ(Lines(c.content, bufferBytes), c.lines)
          << testing::PrintToString(c.content) << " " << bufferBytes;
    }
  }
}

TEST(LineReader, ReportsWhatCannotBeOpened) {
  test::TempDir dir;
  LineReader reader;
  std::string error;
  EXPECT_FALSE(reader.Open(dir / "missing.adi", error));
  EXPECT_NE(error.find("missing.adi"), std::string::npos);
  EXPECT_FALSE(reader.Open(dir.path(), error));
  EXPECT_EQ(error, dir.path().string() + ": is a folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(reader.Open(dir / "fifo", error));  // at once: no writer is waited for
  EXPECT_EQ(error, (dir / "fifo").string() + ": is not a regular file");
}

TEST(LineReader, StopsAtALineOverTheLimitAndRewindsToTheFirstLine) {
  test::TempDir dir;
  WriteFile(dir / "f.txt",
            "\xEF\xBB\xBF"
            "abcd\r\nabcde\nx\n");
  LineReader reader(4, 3);
  std::string error, line;
  ASSERT_TRUE(reader.Open(dir / "f.txt", error));
  ASSERT_TRUE(reader.ReadLine(line));
  EXPECT_EQ(line, "abcd");
  EXPECT_FALSE(reader.ReadLine(line));
  EXPECT_TRUE(reader.LineTooLong());
  EXPECT_EQ(reader.Error(), (dir / "f.txt").string() + ": line 2 is longer than 4 bytes");
  EXPECT_TRUE(reader.AtEnd());
  ASSERT_TRUE(reader.Rewind());  // past the byte order mark, the failure forgotten
  ASSERT_TRUE(reader.ReadLine(line));
  EXPECT_EQ(line, "abcd");
  EXPECT_EQ(reader.LineNumber(), 1);
}

}  // namespace
}  // namespace tavrilon::text
