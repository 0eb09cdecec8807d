#include "callbook/ProgressMeter.h"

#include <algorithm>

namespace tavrilon::callbook {

ProgressMeter::ProgressMeter(std::int64_t total, const IndexProgress& progress)
    : total_(total), progress_(progress) {}

void ProgressMeter::StartFile(std::int64_t size) {
  fileStart_ = fileEnd_;
  fileEnd_ += size;
  Tell(fileStart_);
}

void ProgressMeter::LineRead(std::size_t lineSize) {
  // Lines are counted as they are handed out, decoded and with a CR LF end
  // each: near enough for a progress bar, and never past the file's end.
  constexpr std::int64_t kLineEnd = 2;
  done_ = std::min(done_ + static_cast<std::int64_t>(lineSize) + kLineEnd, fileEnd_);
  if (done_ >= nextTell_) {
    Tell(done_);
  }
}

void ProgressMeter::Finish() {
  Tell(total_);
}

void ProgressMeter::Tell(std::int64_t done) {
  done_ = done;
  const std::int64_t step = std::max<std::int64_t>(total_ / 100, 1);
  nextTell_ = (done / step + 1) * step;
  if (progress_) {
    progress_(done, total_);
  }
}

bool MeteredLines::Open(const std::filesystem::path& path, std::string& error) {
  if (!reader_.Open(path, error)) {
    return false;
  }
  meter_.StartFile(reader_.FileLength());
  return true;
}

bool MeteredLines::ReadLine(std::string& line) {
  if (!reader_.ReadLine(line)) {
    return false;
  }
  meter_.LineRead(line.size());
  return true;
}

}  // namespace tavrilon::callbook
