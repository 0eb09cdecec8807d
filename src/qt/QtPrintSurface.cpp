#include "qt/QtPrintSurface.h"

#include <algorithm>

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QImageReader>
#include <QPrinter>

#include "files/RegularFile.h"
#include "qt/QtColour.h"

namespace tavrilon::qt {

namespace {

QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QImage ReadPictureFile(const std::filesystem::path& path, std::string& reason) {
  std::string bytes;
  if (!files::ReadRegularFile(path, bytes, reason)) {
    return {};
  }
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  QImage picture = reader.read();
  if (picture.isNull()) {
    reason = reader.errorString().toStdString();
  }
  return picture;
}

QtPrintSurface::QtPrintSurface(QPrinter& printer, EndCheck whenEnded)
    : printer_(&printer),
      device_(&printer),
      dpi_(printer.resolution()),
      whenEnded_(std::move(whenEnded)) {}

QtPrintSurface::QtPrintSurface(QImage& image, int dotsPerInch)
    : device_(&image), dpi_(dotsPerInch) {}

QtPrintSurface::~QtPrintSurface() {
  // A job its run did not end is no job: nothing of it may reach a printer.
  AbandonDocument();
}

QString QtPrintSurface::FamilyFor(std::string_view face) {
  if (QString own = ToQString(face); QFontDatabase::hasFamily(own)) {
    return own;
  }
  if (face == "Times New Roman") {
    return QStringLiteral("Liberation Serif");
  }
  if (face == "Arial") {
    return QStringLiteral("Liberation Sans");
  }
  if (face == "Courier New") {
    return QStringLiteral("Liberation Mono");
  }
  return ToQString(face);
}

const QtPrintSurface::DeviceFace& QtPrintSurface::Face(std::string_view face) const {
  if (const auto known = std::ranges::find(faces_, face, &DeviceFace::face);
      known != faces_.end()) {
    return *known;
  }
  QString family = FamilyFor(face);
  const bool installed = QFontDatabase::hasFamily(family);
  faces_.push_back({std::string(face), std::move(family), installed});
  return faces_.back();
}

bool QtPrintSurface::HasFontFace(std::string_view face) const {
  return Face(face).installed;
}

const QtPrintSurface::DeviceFont& QtPrintSurface::CurrentDeviceFont() const {
  const Font& f = CurrentFont();
  const auto same = [&f](const DeviceFont& d) {
    return d.font.points == f.points && d.font.bold == f.bold && d.font.italic == f.italic &&
           d.font.underline == f.underline && d.font.strikethrough == f.strikethrough &&
           d.font.face == f.face;
  };
  if (currentFont_ != kNoFont && same(fonts_[currentFont_])) {
    return fonts_[currentFont_];
  }
  const auto known = std::ranges::find_if(fonts_, same);
  currentFont_ = static_cast<std::size_t>(known - fonts_.begin());
  if (known == fonts_.end()) {
    QFont font(Face(f.face).family);
    font.setPointSizeF(f.points > 0 ? f.points : 1);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikethrough);
    const QFontMetricsF metrics(font, device_);
    fonts_.push_back({f, font, metrics, metrics.ascent(), metrics.lineSpacing()});
  }
  return fonts_[currentFont_];
}

double QtPrintSurface::TextWidthInches(std::string_view text) const {
  return CurrentDeviceFont().metrics.horizontalAdvance(ToQString(text)) / Dpi();
}

double QtPrintSurface::LineHeightInches() const {
  return CurrentDeviceFont().lineSpacing / Dpi();
}

bool QtPrintSurface::Painting() {
  if (!begun_ && !Failure().empty()) {
    begun_ = true;  // a job that could not be set up draws nothing
  }
  if (!begun_) {
    begun_ = true;
    if (!painter_.begin(device_)) {
      Fail(printer_ != nullptr && !printer_->outputFileName().isEmpty()
               ? "the file " + printer_->outputFileName().toStdString() + " cannot be written"
               : "the printer " + (printer_ ? printer_->printerName().toStdString() : "") +
                     " cannot start the job");
    } else {
      painter_.setRenderHint(QPainter::Antialiasing);
    }
  }
  return painter_.isActive();
}

QPen QtPrintSurface::Pen(print::Colour colour) const {
  // A line setting counts screen pixels: 1/96 inch each.
  QPen pen(ToQColor(colour));
  pen.setWidthF(std::max(1.0, LineWidth() * Dpi() / 96.0));
  return pen;
}

void QtPrintSurface::DrawTextAt(double xInches, double yInches, std::string_view text) {
  if (text.empty() || !Painting()) {
    return;
  }
  const DeviceFont& font = CurrentDeviceFont();
  if (painterFont_ != currentFont_) {
    painter_.setFont(font.qfont);
    painterFont_ = currentFont_;
  }
  painter_.setPen(ToQColor(ForeColour()));
  painter_.drawText(QPointF(xInches * Dpi(), yInches * Dpi() + font.ascent), ToQString(text));
}

void QtPrintSurface::DrawLineAt(double x1, double y1, double x2, double y2, print::Colour colour) {
  if (Painting()) {
    painter_.setPen(Pen(colour));
    painter_.drawLine(QPointF(x1 * Dpi(), y1 * Dpi()), QPointF(x2 * Dpi(), y2 * Dpi()));
  }
}

void QtPrintSurface::DrawBoxAt(double x1, double y1, double x2, double y2, print::Colour colour) {
  if (Painting()) {
    painter_.setPen(Pen(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(QPointF(x1 * Dpi(), y1 * Dpi()), QPointF(x2 * Dpi(), y2 * Dpi())));
  }
}

std::optional<print::PrintSurface::PictureSize> QtPrintSurface::LoadPicture(
    const std::filesystem::path& picture, std::string& reason) {
  if (picture != picturePath_ || picture_.isNull()) {
    picture_ = ReadPictureFile(picture, reason);
    picturePath_ = picture;
    if (picture_.isNull()) {
      return std::nullopt;
    }
  }
  // A picture that does not say its resolution has the screen's.
  const auto inches = [](int pixels, int dotsPerMetre) {
    return pixels / (dotsPerMetre > 0 ? dotsPerMetre * 0.0254 : 96.0);
  };
  return PictureSize{inches(picture_.width(), picture_.dotsPerMeterX()),
                     inches(picture_.height(), picture_.dotsPerMeterY())};
}

void QtPrintSurface::DrawPictureAt(const std::filesystem::path& picture, double x, double y,
                                   double width, double height) {
  std::string reason;
  if (LoadPicture(picture, reason) && Painting()) {
    painter_.drawImage(QRectF(x * Dpi(), y * Dpi(), width * Dpi(), height * Dpi()), picture_);
  }
}

void QtPrintSurface::StartNewPage() {
  if (printer_ != nullptr && Painting()) {
    printer_->newPage();
  }
}

bool QtPrintSurface::FinishDocument() {
  if (!painter_.isActive()) {
    return false;  // the job could not be begun, which Painting() recorded
  }
  if (!painter_.end()) {
    return false;
  }
  std::string reason;
  if (whenEnded_ && !whenEnded_(reason)) {
    Fail(std::move(reason));
    return false;
  }
  return true;
}

void QtPrintSurface::AbandonDocument() {
  if (painter_.isActive()) {
    if (printer_ != nullptr) {
      printer_->abort();
    }
    painter_.end();
  }
}

void QtPrintSurface::OrientationChanged() {
  if (printer_ != nullptr && !begun_) {
    printer_->setPageOrientation(GetOrientation() == print::Orientation::Landscape
                                     ? QPageLayout::Landscape
                                     : QPageLayout::Portrait);
  }
}

int QtPrintSurface::DeviceCapability(print::DeviceCap cap) const {
  switch (cap) {
    case print::DeviceCap::PixelsPerInchX:
    case print::DeviceCap::PixelsPerInchY:
      return static_cast<int>(Dpi());
    case print::DeviceCap::OffsetX:
    case print::DeviceCap::OffsetY: {
      if (printer_ == nullptr) {
        return 0;
      }
      const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
      const QRectF paper = printer_->paperRect(QPrinter::DevicePixel);
      const double offset =
          cap == print::DeviceCap::OffsetX ? page.left() - paper.left() : page.top() - paper.top();
      return static_cast<int>(std::lround(offset));
    }
  }
  return 0;
}

double QtPrintSurface::PageWidthTwips() const {
  if (printer_ != nullptr) {
    return printer_->pageLayout().fullRectPoints().width() * 20.0;
  }
  return device_->width() / Dpi() * 1440.0;
}

double QtPrintSurface::PageHeightTwips() const {
  if (printer_ != nullptr) {
    return printer_->pageLayout().fullRectPoints().height() * 20.0;
  }
  return device_->height() / Dpi() * 1440.0;
}

}  // namespace tavrilon::qt
