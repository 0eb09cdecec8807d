#include "session/Clock.h"

#include <ctime>

namespace tavrilon {

std::string ShortDate(std::chrono::system_clock::time_point when) {
  const std::time_t time = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&time, &local);
  char text[16];
  std::strftime(text, sizeof text, "%m/%d/%Y", &local);
  return text;
}

}  // namespace tavrilon
