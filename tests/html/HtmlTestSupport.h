#pragma once

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

// The texts of the table cells of a page or part of one, in order.
inline std::vector<std::string> Cells(std::string_view page) {
  constexpr std::string_view kStart = "<TD ALIGN=center><FONT SIZE=\"2\">";
  std::vector<std::string> cells;
  for (std::size_t at = page.find(kStart); at != std::string_view::npos;
       at = page.find(kStart, at)) {
    at += kStart.size();
    cells.emplace_back(page.substr(at, page.find("</font/></TD>", at) - at));
  }
  return cells;
}

// 12 June 2026, 14:05:09 UTC; the tests run with TZ=UTC.
inline std::chrono::system_clock::time_point CreatedOn() {
  using namespace std::chrono;
  return sys_days{year{2026} / 6 / 12} + hours{14} + minutes{5} + seconds{9};
}

}  // namespace tavrilon::html::test
