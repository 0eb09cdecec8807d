#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QString>

#include "labels/LabelRun.h"
#include "print/PrintSurface.h"
#include "session/RunOutcome.h"
#include "settings/SettingsFile.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::qt {

// A page picture has the screen's resolution: 15 twips a pixel.
inline constexpr int kPreviewDotsPerInch = 96;

// Makes `image` measure `dotsPerInch`, so that fonts drawn on it keep their
// size in points.
void SetDotsPerInch(QImage& image, double dotsPerInch);

// A white picture of a whole page of `paper` (US Letter when none is known),
// turned for landscape, at kPreviewDotsPerInch. The renderers draw into it
// through QtPrintSurface(image, kPreviewDotsPerInch).
QImage BlankPreviewPage(std::optional<sheets::PaperSize> paper, print::Orientation orientation);

// The first sheet of the request's custom design, drawn by `run` on a page
// of the stock's paper turned as the design says; the page is white where
// the run stopped before drawing.
struct PreviewPage {
  RunOutcome outcome = RunOutcome::Stopped;
  QImage page;
};
PreviewPage DrawPreviewPage(labels::LabelRun& run, const labels::LabelRunRequest& request,
                            settings::SettingsFile& settings);

// The page at 1/`divisor` of its size (1, 2 or 4). Always made from the
// full-size page, so that a smaller step never loses more than it must.
QImage ScaledPreview(const QImage& fullSize, int divisor);
// The page as large as fits in `room`, its sides kept in proportion.
QImage FittedPreview(const QImage& fullSize, QSize room);

// `name` with `extension` (".png") appended unless it already ends in it in
// any case.
QString WithExtension(const QString& name, const QString& extension);
inline QString WithBmpExtension(const QString& name) {
  return WithExtension(name, QStringLiteral(".bmp"));
}

// Why the preview of `request`'s design may not be saved as `file`, as a
// sentence (print::OutputDestinationFault: never over the log, one of
// `protectedFiles` or the design's own picture); nothing when it may. The
// window and tavrilon-batch both check a picture's file here.
std::optional<std::string> PreviewPictureFault(const std::filesystem::path& file,
                                               const labels::LabelRunRequest& request,
                                               settings::SettingsFile& settings,
                                               std::vector<std::filesystem::path> protectedFiles);

// Writes `image` to `file` in `format` ("BMP", "PNG"), whole or not at all.
// False, with `failure` naming the file and the reason, when it cannot.
bool SavePicture(const QImage& image, const std::filesystem::path& file, const char* format,
                 std::string& failure);
// The same as a Windows bitmap.
inline bool SaveBitmap(const QImage& image, const std::filesystem::path& file,
                       std::string& failure) {
  return SavePicture(image, file, "BMP", failure);
}

}  // namespace tavrilon::qt
