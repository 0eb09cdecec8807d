#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "designs/DesignKeys.h"

namespace tavrilon::designs {

// The editor's undo and redo: the design's keys before each change made in
// the editor and its dialogs, for the editor's life. Typing in one box is
// one change however many keys are pressed.
class DesignHistory {
 public:
  // The design as the editor opened it.
  explicit DesignHistory(DesignKeys current) : current_(std::move(current)) {}

  // The design as it now is, after a change. `typing` names the box being
  // typed in, so that the next keystroke in the same box joins this step;
  // empty for a change that is a step of its own. A change that changed
  // nothing is no step.
  void Changed(DesignKeys now, const std::string& typing = {});
  // Takes the design as it now is without making it a step: after undo's
  // own writes, or a window that wrote back what it shows.
  void Settle(DesignKeys now) { current_ = std::move(now); }

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // The keys to write to go one step back or forward; nothing when there is
  // no step. The history takes them as the design as it now is.
  std::optional<DesignKeys> Undo();
  std::optional<DesignKeys> Redo();

 private:
  // The design as `from` last held it; the one left goes onto `to`.
  std::optional<DesignKeys> Step(std::vector<DesignKeys>& from, std::vector<DesignKeys>& to);

  DesignKeys current_;
  std::vector<DesignKeys> undo_;
  std::vector<DesignKeys> redo_;
  std::string typing_;  // the box the last step was typed in
};

}  // namespace tavrilon::designs
