#pragma once

#include <cstdlib>

// A property the input broke: libFuzzer keeps the input that aborted.
inline void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}
