#include "app/LabelViewPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/LabelViewWidget.h"
#include "app/Named.h"
#include "app/QtText.h"
#include "designs/DesignSettings.h"

namespace tavrilon::app {

namespace {

constexpr std::array<int, 3> kZoomPercents{100, 200, 400};
constexpr std::array<const char*, 3> kZoomNames{"cmdZoom100", "cmdZoom200", "cmdZoom400"};

QToolButton* Button(const QString& text, const char* name, bool checkable) {
  auto* button = Named(new QToolButton, name);
  button->setText(text);
  button->setCheckable(checkable);
  return button;
}

}  // namespace

LabelViewPanel::LabelViewPanel(settings::SettingsFile& settings, int design, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      design_(design),
      labelView_(new LabelViewWidget(settings, design)),
      cmdPrevLabel_(Button(tr("< Previous Label"), "cmdPrevLabel", false)),
      cmdNextLabel_(Button(tr("Next Label >"), "cmdNextLabel", false)),
      cmdZoomFit_(Button(tr("Fit"), "cmdZoomFit", true)),
      lblZoom_(Named(new QLabel, "lblZoom")),
      lblViewNote_(Named(new QLabel, "lblViewNote")) {
  auto* tools = new QHBoxLayout;
  tools->addWidget(cmdPrevLabel_);
  tools->addWidget(cmdNextLabel_);
  tools->addStretch(1);
  tools->addWidget(cmdZoomFit_);
  connect(cmdPrevLabel_, &QAbstractButton::clicked, this, [this] { emit StepRequested(-1); });
  connect(cmdNextLabel_, &QAbstractButton::clicked, this, [this] { emit StepRequested(1); });
  connect(cmdZoomFit_, &QAbstractButton::clicked, labelView_, &LabelViewWidget::ZoomToFit);
  for (std::size_t n = 0; n < kZoomPercents.size(); ++n) {
    const int percent = kZoomPercents[n];
    cmdZoom_[n] = Button(QStringLiteral("%1%").arg(percent), kZoomNames[n], true);
    tools->addWidget(cmdZoom_[n]);
    connect(cmdZoom_[n], &QAbstractButton::clicked, labelView_,
            [this, percent] { labelView_->SetZoom(percent); });
  }
  lblZoom_->setMinimumWidth(lblZoom_->fontMetrics().horizontalAdvance(QStringLiteral("800%")));
  lblZoom_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  tools->addWidget(lblZoom_);
  connect(labelView_, &LabelViewWidget::ZoomChanged, this, &LabelViewPanel::ShowZoom);

  auto* scroll = Named(new QScrollArea, "labelScroll");
  scroll->setWidgetResizable(true);
  scroll->setWidget(labelView_);
  scroll->setMinimumSize(460, 260);
  lblViewNote_->setWordWrap(true);
  lblViewNote_->setTextFormat(Qt::RichText);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(tools);
  layout->addWidget(scroll, 1);
  layout->addWidget(lblViewNote_);
  SetSample({}, {}, false, false);
  ShowZoom();
}

void LabelViewPanel::ShowZoom() {
  const bool fitting = labelView_->Fitting();
  const int zoom = qRound(labelView_->Zoom());
  // A zoom the wheel chose checks no button.
  cmdZoomFit_->setChecked(fitting);
  for (std::size_t n = 0; n < kZoomPercents.size(); ++n) {
    cmdZoom_[n]->setChecked(!fitting && zoom == kZoomPercents[n]);
  }
  lblZoom_->setText(QStringLiteral("%1%").arg(zoom));
}

void LabelViewPanel::SetSample(designs::LabelSample sample, std::string note, bool hasPrevious,
                               bool hasNext) {
  labelView_->SetSample(std::move(sample));
  sampleNote_ = std::move(note);
  cmdPrevLabel_->setEnabled(hasPrevious);
  cmdNextLabel_->setEnabled(hasNext);
}

void LabelViewPanel::Refresh(const std::string& stock,
                             const std::optional<sheets::LabelSheet>& sheet) {
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
