#include "adif/SortedCopy.h"

#include <algorithm>

#include "files/ReplacingFile.h"

namespace tavrilon::adif {

std::filesystem::path SortedFilePath(const std::filesystem::path& labelInputFile) {
  std::filesystem::path sorted = labelInputFile;
  sorted += ".sort";
  return sorted;
}

std::string WriteSortedCopy(const SortRecords& records, const std::filesystem::path& sortedFile) {
  // A link in the copy's place is replaced, never written through to the log.
  files::ReplacingFile file(sortedFile, files::ReplacingFile::Links::Replace);
  if (file.Open()) {
    for (std::size_t i = 0; i < records.Count(); ++i) {
      // What stands before a record's first tag is no part of it for any
      // reader; without it the copy begins with "<": a logger then looks
      // for no header.
      const std::string_view record = records.Record(i);
      file.Write(record.substr(std::min(record.find('<'), record.size())));
      file.Write("\r\n");
    }
    // No wait for the disk: the copy is made again by every run that needs it.
    if (file.Commit(false)) {
      return {};
    }
  }
  return "The sorted copy " + sortedFile.string() + " cannot be written: " + file.Failure();
}

}  // namespace tavrilon::adif
