#include "app/PrintPreviewWindow.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>

#include "app/Desktop.h"
#include "app/Named.h"
#include "qt/PreviewImage.h"

namespace tavrilon::app {

namespace {

constexpr std::array<int, 4> kScales = {1, 2, 4, PrintPreviewWindow::kFitToWindow};
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
          this, [this] {
            SaveShown(tr("Save as Image"), QStringLiteral("BMP (*.bmp)"), QStringLiteral(".bmp"),
                      "BMP");
          });
  connect(Named(file->addAction(tr("Save Page as &PNG...")), "mnuFileSavePng"), &QAction::triggered,
          this, [this] {
            SaveShown(tr("Save Page as PNG"), QStringLiteral("PNG (*.png)"), QStringLiteral(".png"),
                      "PNG");
          });
  connect(Named(file->addAction(tr("Save All Pages as P&DF...")), "mnuFileSavePdf"),
          &QAction::triggered, this, &PrintPreviewWindow::SavePdf);
  QAction* print = Named(file->addAction(tr("&Print")), "mnuFilePrint");
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, &PrintPreviewWindow::PrintRequested);
  file->addSeparator();
  connect(Named(file->addAction(tr("&Close")), "mnuFileClose"), &QAction::triggered, this,
          &QWidget::close);
  QMenu* scale = Named(menuBar()->addMenu(tr("&Scale")), "mnuScale");
  auto* group = new QActionGroup(this);
  const std::array<QString, 4> captions = {tr("&100%"), tr("50%"), tr("25%"), tr("&Fit to Window")};
  const std::array<const char*, 4> names = {"mnuSetScale1", "mnuSetScale2", "mnuSetScale4",
                                            "mnuSetScaleFit"};
  for (std::size_t i = 0; i < kScales.size(); ++i) {
    if (kScales[i] == kFitToWindow) {
      scale->addSeparator();
    }
    QAction* item = Named(scale->addAction(captions[i]), names[i]);
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, i] { SetScale(kScales[i]); });
    scaleItems_[i] = item;
  }
  QMenu* page = Named(menuBar()->addMenu(tr("&Page")), "mnuPage");
  previousPage_ = Named(page->addAction(tr("&Previous Page")), "mnuPagePrevious");
  previousPage_->setShortcut(QKeySequence(Qt::Key_PageUp));
  connect(previousPage_, &QAction::triggered, this, [this] { GoToPage(page_ - 1); });
  nextPage_ = Named(page->addAction(tr("&Next Page")), "mnuPageNext");
  nextPage_->setShortcut(QKeySequence(Qt::Key_PageDown));
  connect(nextPage_, &QAction::triggered, this, [this] { GoToPage(page_ + 1); });
  pageLabel_ = Named(new QLabel(this), "lblPage");
  statusBar()->addPermanentWidget(pageLabel_);

  QSize size = kPreferredSize;
  if (const QScreen* s = screen()) {
    size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
  }
  resize(size);
}

void PrintPreviewWindow::ShowPages(std::unique_ptr<qt::PreviewPages> pages) {
  pages_ = std::move(pages);
  previewScale_ = KnownScale(previewScale_);
  GoToPage(1);
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
  if (previewScale_ == kFitToWindow) {
    PaintPreview();
  }
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
  Repaint();
}

// The bars stay where they were: the same place on the next page.
void PrintPreviewWindow::GoToPage(int page) {
  if (!pages_->HasPage(page)) {
    return;
  }
  page_ = page;
  hiddenPict_ = pages_->Page(page);
  Repaint();
  ShowPaging();
}

void PrintPreviewWindow::Repaint() {
  if (previewScale_ != kFitToWindow) {
    PaintPreview();
  }
  LayOut();  // which paints a fitted page, in the viewport's new size
}

void PrintPreviewWindow::PaintPreview() {
  const auto index =
      static_cast<std::size_t>(std::ranges::find(kScales, previewScale_) - kScales.begin());
  scaleItems_[index]->setChecked(true);
  previewImage_ = previewScale_ == kFitToWindow ? qt::FittedPreview(hiddenPict_, viewport_->size())
                                                : qt::ScaledPreview(hiddenPict_, previewScale_);
  previewPicture_->setPixmap(QPixmap::fromImage(previewImage_));
  previewPicture_->resize(previewImage_.size());
}

void PrintPreviewWindow::ShowPaging() {
  previousPage_->setEnabled(page_ > 1);
  nextPage_->setEnabled(pages_->HasPage(page_ + 1));
  const std::optional<int> count = pages_->PageCount();
  pageLabel_->setText(count ? tr("Page %1 of %2").arg(page_).arg(*count)
                            : tr("Page %1").arg(page_));
}

std::optional<std::filesystem::path> PrintPreviewWindow::AskFile(const QString& title,
                                                                 const QString& filter,
                                                                 const QString& extension) {
  const std::optional<QString> chosen = desktop_.ChooseSaveFile(this, title, QString(), filter);
  if (!chosen) {
    return std::nullopt;
  }
  return qt::WithExtension(*chosen, extension).toStdString();
}

void PrintPreviewWindow::SaveShown(const QString& title, const QString& filter,
                                   const QString& extension, const char* format) {
  const std::optional<std::filesystem::path> file = AskFile(title, filter, extension);
  if (!file) {
    return;
  }
  std::string failure;
  if (const auto fault = pictureFault_(*file)) {
    failure = *fault;
  } else if (qt::SavePicture(previewImage_, *file, format, failure)) {
    return;
  }
  desktop_.ShowMessage(this, QString::fromStdString(failure), MessageIcon::Critical);
}

void PrintPreviewWindow::SavePdf() {
  const std::optional<std::filesystem::path> file =
      AskFile(tr("Save All Pages as PDF"), QStringLiteral("PDF (*.pdf)"), QStringLiteral(".pdf"));
  if (!file) {
    return;
  }
  std::string failure;
  const std::optional<std::string> fault = pictureFault_(*file);
  const bool saved = !fault && pages_->SavePdf(*file, failure);
  ShowPaging();  // the run was read to its end
  if (!saved) {
    desktop_.ShowMessage(this, QString::fromStdString(fault.value_or(failure)),
                         MessageIcon::Critical);
  }
}

}  // namespace tavrilon::app
