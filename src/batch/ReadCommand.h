#pragma once

#include <cstdio>
#include <filesystem>

#include "adif/AdifInput.h"

namespace tavrilon::batch {

struct ReadOptions {
  std::filesystem::path log;
  bool labelPath = false;  // read as the label runs do
  bool countOnly = false;
};

// Reads a log as a run would and writes each parsed record as one JSON line
// to `out` (or only the count). Answers the exit status.
int RunReadCommand(const ReadOptions& options, adif::AdifInput& input, std::FILE* out,
                   std::FILE* err);

}  // namespace tavrilon::batch
