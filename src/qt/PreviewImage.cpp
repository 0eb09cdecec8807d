#include "qt/PreviewImage.h"

#include <string_view>

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <QSizeF>

#include "designs/DesignSettings.h"
#include "files/ReplacingFile.h"
#include "print/OutputDestination.h"
#include "qt/QtPrintSurface.h"

namespace tavrilon::qt {

void SetDotsPerInch(QImage& image, double dotsPerInch) {
  const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
}

QImage BlankPreviewPage(std::optional<sheets::PaperSize> paper, print::Orientation orientation) {
  // From the paper's own measures: Qt's page sizes in pixels go through whole
  // points and come out a pixel short for A4. US Letter when not known.
  const QSizeF inches = paper ? QSizeF(paper->width, paper->height) : QSizeF(8.5, 11.0);
  QSize size = (inches * kPreviewDotsPerInch).toSize();
  if (orientation == print::Orientation::Landscape) {
    size.transpose();
  }
  QImage page(size, QImage::Format_RGB32);
  SetDotsPerInch(page, kPreviewDotsPerInch);
  page.fill(Qt::white);
  return page;
}

PreviewPage DrawPreviewPage(labels::LabelRun& run, const labels::LabelRunRequest& request,
                            settings::SettingsFile& settings) {
  const int design = designs::CustomDesignNumberOf(request.design);
  PreviewPage drawn{RunOutcome::Stopped,
                    BlankPreviewPage(run.Paper(request),
                                     designs::ReadCustomLabelDesign(settings, design).orientation)};
  {
    // The painter ends with the surface, before the page is used.
    QtPrintSurface picture(drawn.page, kPreviewDotsPerInch);
    drawn.outcome = run.PreviewLabelPage(request, picture);
  }
  return drawn;
}

QImage ScaledPreview(const QImage& fullSize, int divisor) {
  if (divisor <= 1 || fullSize.isNull()) {
    return fullSize;
  }
  return fullSize.scaled(fullSize.width() / divisor, fullSize.height() / divisor,
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage FittedPreview(const QImage& fullSize, QSize room) {
  if (fullSize.isNull()) {
    return fullSize;
  }
  return fullSize.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio,
                         Qt::SmoothTransformation);
}

QString WithExtension(const QString& name, const QString& extension) {
  if (name.endsWith(extension, Qt::CaseInsensitive)) {
    return name;
  }
  return name + extension;
}

std::optional<std::string> PreviewPictureFault(const std::filesystem::path& file,
                                               const labels::LabelRunRequest& request,
                                               settings::SettingsFile& settings,
                                               std::vector<std::filesystem::path> protectedFiles) {
  const int design = designs::CustomDesignNumberOf(request.design);
  protectedFiles.emplace_back(designs::ReadCustomLabelDesign(settings, design).imagePath);
  return print::OutputDestinationFault(file, request.labelInputFile, protectedFiles,
                                       "preview picture");
}

bool SavePicture(const QImage& image, const std::filesystem::path& file, const char* format,
                 std::string& failure) {
  const auto fail = [&](std::string_view reason) {
    failure = "The picture " + file.string() + " could not be saved: ";
    failure.append(reason);
    return false;
  };
  // Encoded whole first, so that nothing reaches the disk when Qt refuses the image.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) {
    return fail(writer.errorString().toStdString());
  }
  files::ReplacingFile out(file);
  if (!out.Open()) {
    return fail(out.Failure());
  }
  out.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!out.Commit(true)) {
    return fail(out.Failure());
  }
  return true;
}

}  // namespace tavrilon::qt
