#pragma once

#include <filesystem>
#include <string>

#include "adif/QsoSort.h"

namespace tavrilon::adif {

// The sorted copy of a label log: its full name with ".sort" appended.
std::filesystem::path SortedFilePath(const std::filesystem::path& labelInputFile);

// Writes the records in their order to `sortedFile`, whole or not at all:
// each from its first tag, on a line of its own, ended by CR LF. A record
// whose values hold line ends keeps them, so it spans the lines it spanned
// in the log: a logger that follows the declared lengths reads every value
// as it was, and our reader joins the lines again. No header: the file
// begins with a tag. Empty when written, else why not, naming the file.
std::string WriteSortedCopy(const SortRecords& records, const std::filesystem::path& sortedFile);

}  // namespace tavrilon::adif
