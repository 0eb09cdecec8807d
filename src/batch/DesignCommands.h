#pragma once

#include <filesystem>

#include "batch/LabelsCommand.h"
#include "shell/Session.h"

namespace tavrilon::batch {

struct BlankOptions {
  LabelsOptions labels;  // the target, and the stock, skip and design if given; no log
  long count = 1;        // the cards, from 1 to designs::kMostBlankCards
};

// Prints the blank cards of the custom design the settings file holds (or
// the options name), on its stock after the labels to skip. Answers the exit
// status.
int RunBlankCommand(const BlankOptions& options, Session& session);

struct PreviewOptions {
  LabelsOptions labels;  // the log, and the stock and design if given
  std::filesystem::path image;
  int scale = 1;  // 1, 2 or 4: the divisor of the page's size
};

// Draws the first sheet of the log's labels as the preview window shows it
// and saves it as a bitmap, its name ending in ".bmp" as the window's are.
int RunPreviewCommand(const PreviewOptions& options, Session& session);

struct DesignFileOptions {
  bool importing = false;  // else export
  int design = 1;          // the custom design, 1 to 3
  std::filesystem::path file;
  bool replace = false;  // a design already in the slot
};

// Writes the custom design to a design file, or fills it from one (never
// over a design already there without `replace`). Answers the exit status.
int RunDesignFileCommand(const DesignFileOptions& options, Session& session);

}  // namespace tavrilon::batch
