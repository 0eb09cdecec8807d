#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "print/PrintSurface.h"

namespace tavrilon::print {

// A print surface that draws nothing and records every operation with the
// unit, position, font and colour in force, so that tests can check layouts
// without pixels. Text is measured by a simple fixed metric: every character
// 0.6 of the font size wide, a line 1.2 of it high.
class RecordingSurface : public PrintSurface {
 public:
  enum class Kind { Text, Line, Box, Picture, NewPage, EndDocument, DiscardDocument };
  struct Operation {
    Kind kind;
    int page;
    Unit unit;
    double x;  // in the unit then in force; a line's or box's first corner
    double y;
    double x2 = 0;
    double y2 = 0;
    std::string text;  // the text, or the picture's path
    Font font;
    Colour colour;
    int lineWidth;
  };

  RecordingSurface();

  // Only the pictures listed in `pictures` can be read.
  std::optional<PictureSize> LoadPicture(const std::filesystem::path& picture,
                                         std::string& reason) override;
  int DeviceCapability(DeviceCap cap) const override;
  double PageWidthTwips() const override { return pageWidthTwips; }
  double PageHeightTwips() const override { return pageHeightTwips; }

  // The texts printed, in order.
  std::vector<const Operation*> Texts() const;

  std::vector<Operation> operations;
  int page = 1;
  std::set<std::string, std::less<>> installedFaces;
  int pixelsPerInch = 600;
  int offsetXPixels = 0;
  int offsetYPixels = 0;
  double pageWidthTwips = 8.5 * 1440;
  double pageHeightTwips = 11 * 1440;
  std::map<std::string, PictureSize, std::less<>> pictures;  // by path
  int picturesLoaded = 0;                                    // reads of a picture file

 protected:
  bool HasFontFace(std::string_view face) const override;
  double TextWidthInches(std::string_view text) const override;
  double LineHeightInches() const override;
  void DrawTextAt(double xInches, double yInches, std::string_view text) override;
  void DrawLineAt(double x1, double y1, double x2, double y2, Colour colour) override;
  void DrawBoxAt(double x1, double y1, double x2, double y2, Colour colour) override;
  void DrawPictureAt(const std::filesystem::path& picture, double x, double y, double width,
                     double height) override;
  void StartNewPage() override;
  bool FinishDocument() override;
  void AbandonDocument() override;

 private:
  void Record(Kind kind, double x, double y, double x2, double y2, std::string text);
};

}  // namespace tavrilon::print
