#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "print/PrintSurface.h"

class QPrinter;

namespace tavrilon::qt {

// A picture file, read as every file the program reads: a regular file only
// (a FIFO would never answer). A null image, with `reason` saying why ("is a
// folder", the system's words, the reader's), when it cannot be read.
QImage ReadPictureFile(const std::filesystem::path& path, std::string& reason);

// The print surface on QPainter: over a QPrinter (a CUPS queue or our PDF
// printer) or over a QImage (a picture of a page). On a printer the painter
// begins at the first drawing, so a run that stops before its first label
// starts no job.
class QtPrintSurface : public print::PrintSurface {
 public:
  // `whenEnded` runs once the painter has ended a document that was drawn
  // on; false, with the reason, when the document is not accepted after all.
  using EndCheck = std::function<bool(std::string& reason)>;
  explicit QtPrintSurface(QPrinter& printer, EndCheck whenEnded = {});
  // A picture of a page: `image` has the page's size at `dotsPerInch`.
  QtPrintSurface(QImage& image, int dotsPerInch);
  ~QtPrintSurface() override;

  std::optional<PictureSize> LoadPicture(const std::filesystem::path& picture,
                                         std::string& reason) override;
  int DeviceCapability(print::DeviceCap cap) const override;
  double PageWidthTwips() const override;
  double PageHeightTwips() const override;

  // The font family the device draws a face in: the face itself when it is
  // installed, else the designs' Windows faces in their metric-compatible
  // Liberation families.
  static QString FamilyFor(std::string_view face);

 protected:
  bool HasFontFace(std::string_view face) const override;
  double TextWidthInches(std::string_view text) const override;
  double LineHeightInches() const override;
  void DrawTextAt(double xInches, double yInches, std::string_view text) override;
  void DrawLineAt(double x1, double y1, double x2, double y2, print::Colour colour) override;
  void DrawBoxAt(double x1, double y1, double x2, double y2, print::Colour colour) override;
  void DrawPictureAt(const std::filesystem::path& picture, double x, double y, double width,
                     double height) override;
  void StartNewPage() override;
  bool FinishDocument() override;
  void AbandonDocument() override;
  void OrientationChanged() override;

 private:
  // A face as the device has it: the family it draws it in, asked of the
  // font database once a face.
  struct DeviceFace {
    std::string face;
    QString family;
    bool installed = false;
  };
  // A font with the metrics the surface asks of it, made once per face,
  // size and style.
  struct DeviceFont {
    Font font;
    QFont qfont;
    QFontMetricsF metrics;
    double ascent = 0;  // device pixels, as the line spacing
    double lineSpacing = 0;
  };
  static constexpr std::size_t kNoFont = std::size_t(-1);

  const DeviceFace& Face(std::string_view face) const;
  const DeviceFont& CurrentDeviceFont() const;
  bool Painting();
  QPen Pen(print::Colour colour) const;
  double Dpi() const { return dpi_; }

  QPrinter* printer_ = nullptr;
  QPaintDevice* device_ = nullptr;
  double dpi_ = 0;
  QPainter painter_;
  bool begun_ = false;
  EndCheck whenEnded_;
  mutable std::vector<DeviceFace> faces_;
  mutable std::vector<DeviceFont> fonts_;
  mutable std::size_t currentFont_ = kNoFont;  // in fonts_
  std::size_t painterFont_ = kNoFont;          // the one the painter has
  std::filesystem::path picturePath_;          // of the picture loaded last
  QImage picture_;
};

}  // namespace tavrilon::qt
