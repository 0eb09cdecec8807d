#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "files/ReplacingFile.h"
#include "html/HtmlSink.h"

namespace tavrilon::html {

// The page file. It is moved into place only when whole, so that an export
// that fails leaves an older page as it was; a page left uncommitted is
// removed. The page can always be made again from the log, so its commit does
// not wait for the disk (waiting took a tenth of a large export's time).
class HtmlPageFile : public HtmlSink {
 public:
  explicit HtmlPageFile(std::filesystem::path target) : file_(std::move(target)) {}

  // False, with Failure() saying why, when no file can be made.
  bool Open() { return file_.Open(); }
  // After a failure, writes do nothing: Commit reports the first one.
  void Write(std::string_view bytes) override { file_.Write(bytes); }
  // False, with Failure() saying why, when the page is not in place.
  bool Commit() { return file_.Commit(false).has_value(); }
  const std::string& Failure() const { return file_.Failure(); }

 private:
  files::ReplacingFile file_;
};

}  // namespace tavrilon::html
