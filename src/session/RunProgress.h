#pragma once

#include "session/UserInterface.h"

namespace tavrilon {

// The progress bar while a run reads its log: shown at 0 when made, moved as
// the reading goes (each percent once), hidden when the run is done.
class RunProgress {
 public:
  explicit RunProgress(UserInterface& ui) : ui_(ui) {
    ui_.SetProgressVisible(true);
    ui_.SetProgressValue(0);
  }
  ~RunProgress() { ui_.SetProgressVisible(false); }
  RunProgress(const RunProgress&) = delete;
  RunProgress& operator=(const RunProgress&) = delete;

  void Show(int percent) {
    if (percent != shown_) {
      shown_ = percent;
      ui_.SetProgressValue(percent);
    }
  }
  void Complete() { ui_.SetProgressValue(100); }

 private:
  UserInterface& ui_;
  int shown_ = 0;
};

}  // namespace tavrilon
