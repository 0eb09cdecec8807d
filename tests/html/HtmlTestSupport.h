#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "html/HtmlSink.h"

namespace tavrilon::html::test {

// Holds what the writer wrote.
class StringSink : public HtmlSink {
 public:
  void Write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

// The page's lines, each of which must end in CR LF; a CR or LF anywhere
// else fails the test.
inline std::vector<std::string> Lines(std::string_view page) {
  std::vector<std::string> lines;
  while (!page.empty()) {
    const std::size_t end = page.find("\r\n");
    EXPECT_NE(end, std::string_view::npos) << "a line without CR LF: " << page;
    const std::string_view line = page.substr(0, end);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << line;
    lines.emplace_back(line);
    page.remove_prefix(end == std::string_view::npos ? page.size() : end + 2);
  }
  return lines;
}

// The texts of the cells of one line of the table.
inline std::vector<std::string> Cells(std::string_view line) {
  constexpr std::string_view kStart = "<TD ALIGN=center><FONT SIZE=\"2\">";
  constexpr std::string_view kEnd = "</font/></TD>";
  std::vector<std::string> cells;
  for (std::size_t at = line.find(kStart); at != std::string_view::npos;
       at = line.find(kStart, at)) {
    at += kStart.size();
    const std::size_t end = line.find(kEnd, at);
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "a cell without its end: " << line;
      break;
    }
    cells.emplace_back(line.substr(at, end - at));
    at = end + kEnd.size();
  }
  return cells;
}

// 12 June 2026, 14:05:09 UTC; the tests run with TZ=UTC.
inline std::chrono::system_clock::time_point CreatedOn() {
  using namespace std::chrono;
  return sys_days{year{2026} / 6 / 12} + hours{14} + minutes{5} + seconds{9};
}

}  // namespace tavrilon::html::test
