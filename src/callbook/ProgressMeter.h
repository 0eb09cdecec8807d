#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "callbook/Callbook.h"
#include "text/LineReader.h"

namespace tavrilon::callbook {

// Tells an indexing's progress once per percent of the bytes of all the data
// files, as their lines are read.
class ProgressMeter {
 public:
  ProgressMeter(std::int64_t total, const IndexProgress& progress);
  // The file read next, of `size` bytes; the one before is read whole.
  void StartFile(std::int64_t size);
  // A line of the current file is read, with its line end.
  void LineRead(std::size_t lineSize);
  void Finish();

 private:
  void Tell(std::int64_t done);

  std::int64_t total_;
  const IndexProgress& progress_;
  std::int64_t fileStart_ = 0;
  std::int64_t fileEnd_ = 0;
  std::int64_t done_ = 0;
  std::int64_t nextTell_ = 0;
};

// The lines of a data file, told to the meter as they are read.
class MeteredLines {
 public:
  explicit MeteredLines(ProgressMeter& meter) : meter_(meter) {}
  // False with `error` saying which file and why when it cannot be read.
  bool Open(const std::filesystem::path& path, std::string& error);
  bool ReadLine(std::string& line);
  bool Failed() const { return reader_.Failed(); }
  const std::string& Error() const { return reader_.Error(); }

 private:
  ProgressMeter& meter_;
  text::LineReader reader_;
};

}  // namespace tavrilon::callbook
