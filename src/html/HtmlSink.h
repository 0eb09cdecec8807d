#pragma once

#include <string_view>

namespace tavrilon::html {

// Where the page's bytes go: the page file, or a string that a test reads.
class HtmlSink {
 public:
  virtual ~HtmlSink() = default;
  virtual void Write(std::string_view bytes) = 0;
};

}  // namespace tavrilon::html
