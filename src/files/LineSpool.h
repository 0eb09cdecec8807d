#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tavrilon::files {

// Lines kept on disk rather than in memory, in a file of the folder given
// that has no name once opened: however many lines it holds, nothing of it
// stays behind when the process ends, whichever way.
class LineSpool {
 public:
  LineSpool() = default;
  ~LineSpool();
  LineSpool(const LineSpool&) = delete;
  LineSpool& operator=(const LineSpool&) = delete;

  // Starts afresh, empty, in `folder`; false, with Failure() saying why, when
  // no file can be made there.
  bool Open(const std::filesystem::path& folder);
  // A line, without its line end; buffered. After a failure it does nothing.
  void Append(std::string_view line);
  // Hands every line to `take`, in order; false, with Failure() saying why,
  // when the spool failed at any time.
  bool ForEach(const std::function<void(std::string_view)>& take);
  void Close();

  std::size_t Count() const { return count_; }
  const std::string& Failure() const { return failure_; }

 private:
  bool Flush();
  void Fail(int error);

  int fd_ = -1;
  std::size_t count_ = 0;
  std::string buffer_;
  std::string failure_;
};

}  // namespace tavrilon::files
