#include "designs/DesignHistory.h"

#include <utility>

namespace tavrilon::designs {

void DesignHistory::Changed(DesignKeys now, const std::string& typing) {
  if (now == current_) {
    return;
  }
  const bool joins = !typing.empty() && typing == typing_ && !undo_.empty();
  if (!joins) {
    undo_.push_back(std::move(current_));
  }
  typing_ = typing;
  current_ = std::move(now);
  redo_.clear();
}

std::optional<DesignKeys> DesignHistory::Undo() {
  if (undo_.empty()) {
    return std::nullopt;
  }
  redo_.push_back(std::exchange(current_, std::move(undo_.back())));
  undo_.pop_back();
  typing_.clear();
  return current_;
}

std::optional<DesignKeys> DesignHistory::Redo() {
  if (redo_.empty()) {
    return std::nullopt;
  }
  undo_.push_back(std::exchange(current_, std::move(redo_.back())));
  redo_.pop_back();
  typing_.clear();
  return current_;
}

}  // namespace tavrilon::designs
