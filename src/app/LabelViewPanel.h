#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <QWidget>

#include "settings/SettingsFile.h"
#include "sheets/LabelSheet.h"

class QLabel;

namespace tavrilon::app {

class LabelViewWidget;

// The label view and the note under it: where the label's contacts came
// from, a stock that is not known, and why the label cannot be drawn or
// which text runs past its edge.
class LabelViewPanel : public QWidget {
  Q_OBJECT

 public:
  LabelViewPanel(settings::SettingsFile& settings, int design, std::filesystem::path dictionary,
                 QWidget* parent = nullptr);

  LabelViewWidget& View() { return *labelView_; }

  // Draws the label again in the outline of `stock`'s `sheet` (none when the
  // stock is not known), with the first label of `log` read again when the
  // log is another than the one shown.
  void Refresh(const std::string& log, const std::string& stock,
               const std::optional<sheets::LabelSheet>& sheet);

 private:
  settings::SettingsFile& settings_;
  const int design_;
  const std::filesystem::path dictionary_;
  bool sampleRead_ = false;
  std::string sampleLog_;   // the label log the view's contacts came from
  std::string sampleNote_;  // where they came from, or why not from the log
  LabelViewWidget* labelView_ = nullptr;
  QLabel* lblViewNote_ = nullptr;
};

}  // namespace tavrilon::app
