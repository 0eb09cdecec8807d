#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/CalibrateCommand.h"
#include "batch/DesignCommands.h"
#include "batch/LabelsCommand.h"
#include "batch/LogbookCommand.h"
#include "batch/ReadCommand.h"
#include "batch/StocksCommand.h"

namespace tavrilon::batch {

// The usage of every command, as --help shows it.
void PrintUsage(std::FILE* out);

// Says on standard error what is wrong with the command line, then the
// usage; answers kExitUsage.
int UsageMistake(std::string_view mistake);

// A command's options as its arguments give them, or why they are wrong:
// `mistake` names the word at fault (or the word missing) and the command's
// own usage. `args` are the words after the command's name. An option is
// written with one dash or two, its value after it or after "=", and a word
// that begins with "-" is always an option until "--".
template <typename Options>
struct Parsed {
  std::optional<Options> options;
  std::string mistake;
};

Parsed<ReadOptions> ParseRead(const std::vector<std::string>& args);
Parsed<LabelsOptions> ParseLabels(const std::vector<std::string>& args);
Parsed<BlankOptions> ParseBlank(const std::vector<std::string>& args);
Parsed<PreviewOptions> ParsePreview(const std::vector<std::string>& args);
Parsed<LogbookOptions> ParseLogbook(const std::vector<std::string>& args);
Parsed<std::filesystem::path> ParseHtml(const std::vector<std::string>& args);  // the LOG
Parsed<StocksOptions> ParseStocks(const std::vector<std::string>& args);
// "export DESIGN FILE" or "import FILE DESIGN [--replace]".
Parsed<DesignFileOptions> ParseDesign(const std::vector<std::string>& args);
Parsed<CalibrateOptions> ParseCalibrate(const std::vector<std::string>& args);
// The target and the stock, in LabelsOptions as the label runs take them.
Parsed<LabelsOptions> ParseAlignmentPage(const std::vector<std::string>& args);

}  // namespace tavrilon::batch
