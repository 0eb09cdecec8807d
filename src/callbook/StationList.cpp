#include "callbook/StationList.h"

#include <algorithm>
#include <string_view>
#include <tuple>

#include "text/Text.h"

namespace tavrilon::callbook {

void StationList::Add(const StationFields& station, std::uint64_t rank) {
  const std::string_view call = text::TrimBlanks(station.call);
  if (call.empty()) {
    return;
  }
  Entry entry{block_.size(), rank, static_cast<std::uint32_t>(call.size()), 0};
  for (const char c : call) {
    block_.push_back(text::AsciiUpper(c));
  }
  const std::size_t recordStart = block_.size();
  AppendRecord(station, block_);
  entry.recordSize = static_cast<std::uint32_t>(block_.size() - recordStart);
  entries_.push_back(entry);
}

std::optional<IndexContent> StationList::Finish() {
  const std::string_view block = block_;
  const auto call = [block](const Entry& e) { return block.substr(e.at, e.callSize); };
  // Within one call the entry kept sorts last.
  std::sort(entries_.begin(), entries_.end(), [&call](const Entry& a, const Entry& b) {
    return std::forward_as_tuple(call(a), a.rank, a.at) <
           std::forward_as_tuple(call(b), b.rank, b.at);
  });
  // Room for every entry at once: growing by doubling would hold the old and
  // the new copy of each at the peak. Pages never written cost no memory.
  IndexContent content;
  content.records.reserve(block_.size());
  content.keys.calls.reserve(block_.size());
  content.keys.callEnds.reserve(entries_.size());
  content.keys.recordEnds.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (i + 1 < entries_.size() && call(entries_[i + 1]) == call(e)) {
      continue;
    }
    content.keys.calls.append(call(e));
    content.records.append(block.substr(e.at + e.callSize, e.recordSize));
    if (content.records.size() > UINT32_MAX || content.keys.calls.size() > UINT32_MAX) {
      return std::nullopt;
    }
    content.keys.callEnds.push_back(static_cast<std::uint32_t>(content.keys.calls.size()));
    content.keys.recordEnds.push_back(static_cast<std::uint32_t>(content.records.size()));
  }
  block_ = {};
  entries_ = {};
  return content;
}

}  // namespace tavrilon::callbook
