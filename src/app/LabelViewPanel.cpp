#include "app/LabelViewPanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/LabelViewWidget.h"
#include "app/Named.h"
#include "app/QtText.h"
#include "designs/DesignSettings.h"
#include "designs/LabelSample.h"

namespace tavrilon::app {

LabelViewPanel::LabelViewPanel(settings::SettingsFile& settings, int design,
                               std::filesystem::path dictionary, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      design_(design),
      dictionary_(std::move(dictionary)),
      labelView_(new LabelViewWidget(settings, design)),
      lblViewNote_(Named(new QLabel, "lblViewNote")) {
  lblViewNote_->setWordWrap(true);
  lblViewNote_->setTextFormat(Qt::RichText);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(labelView_, 1);
  layout->addWidget(lblViewNote_);
}

void LabelViewPanel::Refresh(const std::string& log, const std::string& stock,
                             const std::optional<sheets::LabelSheet>& sheet) {
  if (!sampleRead_ || sampleLog_ != log) {
    sampleRead_ = true;
    sampleLog_ = log;
    designs::ShownSample shown = designs::ChooseLabelSample(dictionary_, log);
    sampleNote_ = std::move(shown.note);
    labelView_->SetSample(std::move(shown.sample));
  }
  labelView_->SetSheet(sheet);
  labelView_->Redraw();

  QStringList note{ToQString(sampleNote_).toHtmlEscaped()};
  if (!sheet) {
    note << tr("The label stock \"%1\" is not known, so the label's outline is a guess.")
                .arg(ToQString(stock))
                .toHtmlEscaped();
  }
  std::string warning = labelView_->Failure();
  if (const auto& overflow = labelView_->Overflow(); warning.empty() && overflow) {
    warning = designs::OverflowText(
        design_, designs::ReadCustomLabelDesign(settings_, design_).name, *overflow, *sheet);
  }
  if (!warning.empty()) {
    note << QStringLiteral("<span style=\"color: #c00000\">%1</span>")
                .arg(ToQString(warning).toHtmlEscaped());
  }
  lblViewNote_->setText(note.join(QStringLiteral("<br>")));
}

}  // namespace tavrilon::app
