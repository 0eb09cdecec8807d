#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <QImage>
#include <QMainWindow>

class QAction;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tavrilon::app {

class Desktop;

// frmPrintPreview: one page on screen before it is printed, scrolled, seen
// at 100%, 50% or 25%, and saved as a bitmap at the scale it is seen. The
// renderers draw the page; the window only shows it. It deletes itself when
// closed.
class PrintPreviewWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Why the page's picture may not be saved as a file, as a sentence, or
  // nothing when it may: qt::PreviewPictureFault, bound by the caller.
  using PictureFault = std::function<std::optional<std::string>(const std::filesystem::path&)>;

  // `previewScale` (1, 2 or 4) is kept by the caller for the program's life,
  // so that the next preview opens at the scale last chosen.
  PrintPreviewWindow(Desktop& desktop, int& previewScale, PictureFault pictureFault,
                     QWidget* parent = nullptr);

  // Keeps the full-size page, shows it at the kept scale and shows the window.
  void ShowPage(QImage fullSize);

 signals:
  void Closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LayOut();
  void SetScale(int divisor);
  void PaintPreview();
  void SaveFile();

  Desktop& desktop_;
  int& previewScale_;
  PictureFault pictureFault_;
  QImage hiddenPict_;    // the page at full size
  QImage previewImage_;  // the page as PreviewPicture shows it
  QWidget* area_ = nullptr;
  QWidget* viewport_ = nullptr;
  QLabel* previewPicture_ = nullptr;
  QScrollBar* hScroll1_ = nullptr;
  QScrollBar* vScroll1_ = nullptr;
  QPushButton* cmdJunk_ = nullptr;
  std::array<QAction*, 3> scaleItems_{};  // 100%, 50%, 25%
};

}  // namespace tavrilon::app
