#include "print/PrintSurface.h"

namespace tavrilon::print {

void PrintSurface::SetOrientation(Orientation orientation) {
  orientation_ = orientation;
  OrientationChanged();
}

void PrintSurface::SetFontName(std::string_view face) {
  if (HasFontFace(face)) {
    font_.face = std::string(face);
  }
}

void PrintSurface::PrintText(std::string_view text, bool lineEnd) {
  MarkText(text);
  DrawTextAt(xInches_ + shiftX_, yInches_ + shiftY_, text);
  if (lineEnd) {
    xInches_ = 0;
    yInches_ += LineHeightInches();
  } else {
    xInches_ += TextWidthInches(text);
  }
}

void PrintSurface::DrawLine(double x1, double y1, double x2, double y2, Colour colour) {
  drawn_ = true;
  DrawLineAt(ToInches(x1) + shiftX_, ToInches(y1) + shiftY_, ToInches(x2) + shiftX_,
             ToInches(y2) + shiftY_, colour);
}

void PrintSurface::DrawBox(double x1, double y1, double x2, double y2, Colour colour) {
  drawn_ = true;
  DrawBoxAt(ToInches(x1) + shiftX_, ToInches(y1) + shiftY_, ToInches(x2) + shiftX_,
            ToInches(y2) + shiftY_, colour);
}

void PrintSurface::PaintPicture(const std::filesystem::path& picture, double x, double y,
                                double width, double height) {
  drawn_ = true;
  DrawPictureAt(picture, ToInches(x) + shiftX_, ToInches(y) + shiftY_, ToInches(width),
                ToInches(height));
}

void PrintSurface::NewPage() {
  StartNewPage();
  xInches_ = 0;
  yInches_ = 0;
}

bool PrintSurface::EndDocument() {
  if (!drawn_) {
    // Blank pages are no result: neither a job nor a file comes of them.
    AbandonDocument();
    Fail("nothing was drawn on it");
    return false;
  }
  drawn_ = false;
  return FinishDocument() && failure_.empty();
}

}  // namespace tavrilon::print
