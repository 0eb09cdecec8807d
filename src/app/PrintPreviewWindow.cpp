#include "app/PrintPreviewWindow.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "app/Desktop.h"
#include "app/Named.h"
#include "qt/PreviewImage.h"

namespace tavrilon::app {

namespace {

constexpr std::array<int, 3> kScales = {1, 2, 4};
constexpr int kScrollStep = 20;  // pixels an arrow click moves
constexpr QSize kPreferredSize(800, 700);

int KnownScale(int divisor) {
  return std::ranges::find(kScales, divisor) != kScales.end() ? divisor : 1;
}

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(Desktop& desktop, int& previewScale,
                                       PictureFault pictureFault, QWidget* parent)
    : QMainWindow(parent),
      desktop_(desktop),
      previewScale_(previewScale),
      pictureFault_(std::move(pictureFault)) {
  setObjectName(QStringLiteral("frmPrintPreview"));
  setWindowTitle(tr("Print Preview"));
  setAttribute(Qt::WA_DeleteOnClose);

  // The controls are placed by hand, as the window is resized: the picture
  // moves under a fixed viewport instead of living in a scroll area.
  area_ = new QWidget(this);
  area_->installEventFilter(this);
  setCentralWidget(area_);
  viewport_ = new QWidget(area_);
  viewport_->setBackgroundRole(QPalette::Dark);
  viewport_->setAutoFillBackground(true);
  previewPicture_ = Named(new QLabel(viewport_), "PreviewPicture");
  hScroll1_ = Named(new QScrollBar(Qt::Horizontal, area_), "HScroll1");
  vScroll1_ = Named(new QScrollBar(Qt::Vertical, area_), "VScroll1");
  cmdJunk_ = Named(new QPushButton(area_), "cmdJunk");
  cmdJunk_->setFocusPolicy(Qt::NoFocus);
  for (QScrollBar* bar : {hScroll1_, vScroll1_}) {
    bar->setSingleStep(kScrollStep);
  }
  connect(hScroll1_, &QScrollBar::valueChanged, this,
          [this](int value) { previewPicture_->move(-value, previewPicture_->y()); });
  connect(vScroll1_, &QScrollBar::valueChanged, this,
          [this](int value) { previewPicture_->move(previewPicture_->x(), -value); });
  connect(cmdJunk_, &QPushButton::clicked, this, [this] {
    hScroll1_->setValue(0);
    vScroll1_->setValue(0);
  });

  QMenu* file = Named(menuBar()->addMenu(tr("&File")), "mnuFile");
  connect(Named(file->addAction(tr("&Save File to .bmp")), "mnuFileSave"), &QAction::triggered,
          this, &PrintPreviewWindow::SaveFile);
  connect(Named(file->addAction(tr("&Close")), "mnuFileClose"), &QAction::triggered, this,
          &QWidget::close);
  QMenu* scale = Named(menuBar()->addMenu(tr("&Scale")), "mnuScale");
  auto* group = new QActionGroup(this);
  const std::array<QString, 3> captions = {tr("&100%"), tr("50%"), tr("25%")};
  const std::array<const char*, 3> names = {"mnuSetScale1", "mnuSetScale2", "mnuSetScale4"};
  for (std::size_t i = 0; i < kScales.size(); ++i) {
    QAction* item = Named(scale->addAction(captions[i]), names[i]);
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, i] { SetScale(kScales[i]); });
    scaleItems_[i] = item;
  }

  QSize size = kPreferredSize;
  if (const QScreen* s = screen()) {
    size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
  }
  resize(size);
}

void PrintPreviewWindow::ShowPage(QImage fullSize) {
  hiddenPict_ = std::move(fullSize);
  previewScale_ = KnownScale(previewScale_);
  PaintPreview();
  LayOut();
  show();
  raise();
  activateWindow();
}

bool PrintPreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) {
    LayOut();
  }
  return QMainWindow::eventFilter(watched, event);
}

void PrintPreviewWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  QMainWindow::closeEvent(event);
}

// The bars along the right and bottom edges, the button in the corner
// between them. A window made too small only squeezes the viewport to nothing.
void PrintPreviewWindow::LayOut() {
  const int barWidth = vScroll1_->sizeHint().width();
  const int barHeight = hScroll1_->sizeHint().height();
  const int left = qMax(0, area_->width() - barWidth);
  const int top = qMax(0, area_->height() - barHeight);
  cmdJunk_->setGeometry(left, top, barWidth, barHeight);
  vScroll1_->setGeometry(left, 0, barWidth, top);
  hScroll1_->setGeometry(0, top, left, barHeight);
  viewport_->setGeometry(0, 0, left, top);
  hScroll1_->setRange(0, previewPicture_->width());
  vScroll1_->setRange(0, previewPicture_->height());
  hScroll1_->setPageStep(qMax(1, left));
  vScroll1_->setPageStep(qMax(1, top));
}

// The bars are laid out again once the picture has its new size: with the
// old ranges a page seen at 100% after 25% could not be scrolled to its end.
void PrintPreviewWindow::SetScale(int divisor) {
  previewPicture_->clear();
  previewScale_ = KnownScale(divisor);
  hScroll1_->setValue(0);
  vScroll1_->setValue(0);
  PaintPreview();
  LayOut();
}

void PrintPreviewWindow::PaintPreview() {
  const auto index =
      static_cast<std::size_t>(std::ranges::find(kScales, previewScale_) - kScales.begin());
  scaleItems_[index]->setChecked(true);
  previewImage_ = qt::ScaledPreview(hiddenPict_, previewScale_);
  previewPicture_->setPixmap(QPixmap::fromImage(previewImage_));
  previewPicture_->resize(previewImage_.size());
}

void PrintPreviewWindow::SaveFile() {
  const std::optional<QString> chosen =
      desktop_.ChooseSaveFile(this, tr("Save as Image"), QString(), QStringLiteral("BMP (*.bmp)"));
  if (!chosen) {
    return;
  }
  const std::filesystem::path file = qt::WithBmpExtension(*chosen).toStdString();
  std::string failure;
  if (const auto fault = pictureFault_(file)) {
    failure = *fault;
  } else if (qt::SaveBitmap(previewImage_, file, failure)) {
    return;
  }
  desktop_.ShowMessage(this, QString::fromStdString(failure), MessageIcon::Critical);
}

}  // namespace tavrilon::app
