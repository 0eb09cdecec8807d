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
  return Step(undo_, redo_);
}

std::optional<DesignKeys> DesignHistory::Redo() {
  return Step(redo_, undo_);
}

std::optional<DesignKeys> DesignHistory::Step(std::vector<DesignKeys>& from,
                                              std::vector<DesignKeys>& to) {
  if (from.empty()) {
    return std::nullopt;
  }
  to.push_back(std::exchange(current_, std::move(from.back())));
  from.pop_back();
  typing_.clear();
  return current_;
}

}  // namespace tavrilon::designs
