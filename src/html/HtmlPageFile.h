#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "html/HtmlSink.h"

namespace tavrilon::html {

// The page file. It is written beside its place under a name of its own and
// moved there only when whole, so that an export that fails leaves an older
// page as it was. A page left uncommitted is removed.
class HtmlPageFile : public HtmlSink {
 public:
  explicit HtmlPageFile(std::filesystem::path target);
  ~HtmlPageFile() override;
  HtmlPageFile(const HtmlPageFile&) = delete;
  HtmlPageFile& operator=(const HtmlPageFile&) = delete;

  // False, with Failure() saying why, when no file can be made.
  bool Open();
  // After a failure, writes do nothing: Commit reports the first one.
  void Write(std::string_view bytes) override;
  // Moves the finished page into place; false, with Failure() saying why,
  // when it is not there.
  bool Commit();
  const std::string& Failure() const { return failure_; }

 private:
  bool Flush();
  void Fail(int error);
  void Discard();

  std::filesystem::path target_;
  std::string tempName_;
  int fd_ = -1;
  std::string buffer_;
  std::string failure_;
};

}  // namespace tavrilon::html
