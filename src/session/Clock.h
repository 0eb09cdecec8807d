#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace tavrilon {

// Where printed output takes "now" from; tests fix it.
using Clock = std::function<std::chrono::system_clock::time_point()>;

inline Clock SystemClock() {
  return [] { return std::chrono::system_clock::now(); };
}

// The local date as MM/DD/YYYY.
std::string ShortDate(std::chrono::system_clock::time_point when);

}  // namespace tavrilon
