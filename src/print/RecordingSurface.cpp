#include "print/RecordingSurface.h"

#include "text/Text.h"

namespace tavrilon::print {

RecordingSurface::RecordingSurface() : installedFaces{"Arial", "Times New Roman", "Courier New"} {}

int RecordingSurface::DeviceCapability(DeviceCap cap) const {
  switch (cap) {
    case DeviceCap::PixelsPerInchX:
    case DeviceCap::PixelsPerInchY:
      return pixelsPerInch;
    case DeviceCap::OffsetX:
      return offsetXPixels;
    case DeviceCap::OffsetY:
      return offsetYPixels;
  }
  return 0;
}

std::vector<const RecordingSurface::Operation*> RecordingSurface::Texts() const {
  std::vector<const Operation*> texts;
  for (const Operation& op : operations) {
    if (op.kind == Kind::Text) {
      texts.push_back(&op);
    }
  }
  return texts;
}

bool RecordingSurface::HasFontFace(std::string_view face) const {
  return installedFaces.find(face) != installedFaces.end();
}

double RecordingSurface::TextWidthInches(std::string_view text) const {
  return static_cast<double>(text::CharCount(text)) * CurrentFont().points * 0.6 / 72;
}

double RecordingSurface::LineHeightInches() const {
  return CurrentFont().points * 1.2 / 72;
}

void RecordingSurface::Record(Kind kind, double x, double y, double x2, double y2,
                              std::string text) {
  const double scale = GetUnit() == Unit::Inches ? 1.0 : 25.4;
  operations.push_back({kind, page, GetUnit(), x * scale, y * scale, x2 * scale, y2 * scale,
                        std::move(text), CurrentFont(), ForeColour(), LineWidth()});
}

void RecordingSurface::DrawTextAt(double xInches, double yInches, std::string_view text) {
  Record(Kind::Text, xInches, yInches, 0, 0, std::string(text));
}

void RecordingSurface::DrawLineAt(double x1, double y1, double x2, double y2, Colour colour) {
  Record(Kind::Line, x1, y1, x2, y2, {});
  operations.back().colour = colour;
}

void RecordingSurface::DrawBoxAt(double x1, double y1, double x2, double y2, Colour colour) {
  Record(Kind::Box, x1, y1, x2, y2, {});
  operations.back().colour = colour;
}

std::optional<PrintSurface::PictureSize> RecordingSurface::LoadPicture(
    const std::filesystem::path& picture, std::string& reason) {
  ++picturesLoaded;
  if (const auto known = pictures.find(picture.string()); known != pictures.end()) {
    return known->second;
  }
  reason = "not a picture";
  return std::nullopt;
}

void RecordingSurface::DrawPictureAt(const std::filesystem::path& picture, double x, double y,
                                     double width, double height) {
  Record(Kind::Picture, x, y, x + width, y + height, picture.string());
}

void RecordingSurface::StartNewPage() {
  Record(Kind::NewPage, 0, 0, 0, 0, {});
  ++page;
}

bool RecordingSurface::FinishDocument() {
  Record(Kind::EndDocument, 0, 0, 0, 0, {});
  return true;
}

void RecordingSurface::AbandonDocument() {
  Record(Kind::DiscardDocument, 0, 0, 0, 0, {});
}

}  // namespace tavrilon::print
