#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QImage>
#include <QMainWindow>

#include "qt/PreviewPages.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tavrilon::app {

class Desktop;

// frmPrintPreview: the pages of a run on screen before they are printed,
// one at a time, scrolled, seen at 100%, 50%, 25% or fitted to the window,
// saved as a bitmap or PNG at the size they are seen, all saved as one PDF,
// or printed. The run draws each page when it is shown; the window only
// shows it. It deletes itself when closed.
class PrintPreviewWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Why the page's picture may not be saved as a file, as a sentence, or
  // nothing when it may: qt::PreviewPictureFault, bound by the caller.
  using PictureFault = std::function<std::optional<std::string>(const std::filesystem::path&)>;

  // The scale that follows the window's size.
  static constexpr int kFitToWindow = 0;

  // `previewScale` (1, 2 or 4, or kFitToWindow) is kept by the caller for
  // the program's life, so that the next preview opens at the scale last
  // chosen.
  PrintPreviewWindow(Desktop& desktop, int& previewScale, PictureFault pictureFault,
                     QWidget* parent = nullptr);

  // Keeps `pages`, shows their first at the kept scale and shows the window.
  void ShowPages(std::unique_ptr<qt::PreviewPages> pages);

 signals:
  void Closed();
  // File, Print: the run the window shows, to be printed.
  void PrintRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LayOut();
  void SetScale(int divisor);
  void GoToPage(int page);
  // The picture painted afresh from the full-size page, and the bars laid out.
  void Repaint();
  void PaintPreview();
  void ShowPaging();
  // The file the user names, with `extension` appended; nothing when cancelled.
  std::optional<std::filesystem::path> AskFile(const QString& title, const QString& filter,
                                               const QString& extension);
  // The page as seen, as a picture in `format`.
  void SaveShown(const QString& title, const QString& filter, const QString& extension,
                 const char* format);
  void SavePdf();

  Desktop& desktop_;
  int& previewScale_;
  PictureFault pictureFault_;
  std::unique_ptr<qt::PreviewPages> pages_;
  int page_ = 1;
  QImage hiddenPict_;    // the page at full size
  QImage previewImage_;  // the page as PreviewPicture shows it
  QWidget* area_ = nullptr;
  QWidget* viewport_ = nullptr;
  QLabel* previewPicture_ = nullptr;
  QScrollBar* hScroll1_ = nullptr;
  QScrollBar* vScroll1_ = nullptr;
  QPushButton* cmdJunk_ = nullptr;
  std::array<QAction*, 4> scaleItems_{};  // 100%, 50%, 25%, fitted
  QAction* previousPage_ = nullptr;
  QAction* nextPage_ = nullptr;
  QLabel* pageLabel_ = nullptr;
};

}  // namespace tavrilon::app
