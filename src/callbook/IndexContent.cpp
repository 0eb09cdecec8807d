#include "callbook/IndexContent.h"

namespace tavrilon::callbook {

std::string_view CallKeys::Call(std::size_t i) const {
  const std::uint32_t start = i == 0 ? 0 : callEnds[i - 1];
  return std::string_view(calls).substr(start, callEnds[i] - start);
}

std::size_t CallKeys::Find(std::string_view call) const {
  std::size_t low = 0;
  std::size_t high = Count();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (Call(middle) < call) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low < Count() && Call(low) == call ? low : Count();
}

}  // namespace tavrilon::callbook
