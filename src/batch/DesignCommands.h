#pragma once

#include <filesystem>
#include <string>

#include "batch/LabelsCommand.h"
#include "session/Session.h"

namespace tavrilon::batch {

// Prints `count` blank cards of the custom design the settings file holds
// (or the options name), on its stock after the labels to skip. `options.log`
// is not read. Answers the exit status.
int RunBlankCommand(const LabelsOptions& options, const std::string& count, Session& session);

struct PreviewOptions {
  LabelsOptions labels;  // the log, and the stock and design if given
  std::filesystem::path image;
  int scale = 1;  // 1, 2 or 4: the divisor of the page's size
};

// Draws the first sheet of the log's labels as the preview window shows it
// and saves it as a bitmap, its name ending in ".bmp" as the window's are.
int RunPreviewCommand(const PreviewOptions& options, Session& session);

}  // namespace tavrilon::batch
