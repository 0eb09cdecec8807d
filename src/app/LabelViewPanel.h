#pragma once

#include <array>
#include <optional>
#include <string>

#include <QWidget>

#include "designs/LabelSample.h"
#include "settings/SettingsFile.h"
#include "sheets/LabelSheet.h"

class QAbstractButton;
class QLabel;

namespace tavrilon::app {

class LabelViewWidget;

// The label view in a scroll area, with the buttons that step through the
// log's labels and zoom the view, and the note under it: where the label's
// contacts came from, a stock that is not known, and why the label cannot be
// drawn or which text runs past its edge.
class LabelViewPanel : public QWidget {
  Q_OBJECT

 public:
  LabelViewPanel(settings::SettingsFile& settings, int design, QWidget* parent = nullptr);

  LabelViewWidget& View() { return *labelView_; }

  // The label shown and where it came from, drawn at the next Refresh; the
  // step buttons enabled as told.
  void SetSample(designs::LabelSample sample, std::string note, bool hasPrevious, bool hasNext);
  // Draws the label again in the outline of `stock`'s `sheet` (none when the
  // stock is not known).
  void Refresh(const std::string& stock, const std::optional<sheets::LabelSheet>& sheet);

 signals:
  // -1 for the previous label of the log, +1 for the next.
  void StepRequested(int step);

 private:
  // The zoom buttons and the percentage as the view now draws.
  void ShowZoom();

  settings::SettingsFile& settings_;
  const int design_;
  std::string sampleNote_;  // where the view's contacts came from, or why not from the log
  LabelViewWidget* labelView_ = nullptr;
  QAbstractButton* cmdPrevLabel_ = nullptr;
  QAbstractButton* cmdNextLabel_ = nullptr;
  QAbstractButton* cmdZoomFit_ = nullptr;
  std::array<QAbstractButton*, 3> cmdZoom_{};  // 100%, 200%, 400%
  QLabel* lblZoom_ = nullptr;
  QLabel* lblViewNote_ = nullptr;
};

}  // namespace tavrilon::app
