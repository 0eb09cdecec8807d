#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "print/Colour.h"

namespace tavrilon::print {

enum class Unit { Inches = 5, Millimetres = 6 };
enum class Orientation { Portrait = 1, Landscape = 2 };
// The device capabilities the layouts ask for, by their numbers.
enum class DeviceCap { PixelsPerInchX = 88, PixelsPerInchY = 90, OffsetX = 112, OffsetY = 113 };

// The one drawing target of all printing: a printer, a PDF file, a picture
// of a page, or a recording for tests. It keeps the state the layouts set
// (unit, position, font, colour, line width, orientation) and draws through
// the device-specific operations below. Coordinates are in the current unit
// from the top-left corner of the printable area; a new page keeps every
// setting but the position.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  void SetUnit(Unit unit) { unit_ = unit; }
  Unit GetUnit() const { return unit_; }
  void SetOrientation(Orientation orientation);
  Orientation GetOrientation() const { return orientation_; }

  double CurrentX() const { return FromInches(xInches_); }
  double CurrentY() const { return FromInches(yInches_); }
  void SetCurrentX(double x) { xInches_ = ToInches(x); }
  void SetCurrentY(double y) { yInches_ = ToInches(y); }

  // A face the device does not have leaves the previous font in force.
  void SetFontName(std::string_view face);
  const std::string& FontName() const { return font_.face; }
  void SetFontSize(double points) { font_.points = points; }
  double FontSize() const { return font_.points; }
  void SetBold(bool on) { font_.bold = on; }
  bool Bold() const { return font_.bold; }
  void SetItalic(bool on) { font_.italic = on; }
  bool Italic() const { return font_.italic; }
  void SetUnderline(bool on) { font_.underline = on; }
  bool Underline() const { return font_.underline; }
  void SetStrikethrough(bool on) { font_.strikethrough = on; }
  bool Strikethrough() const { return font_.strikethrough; }

  void SetForeColour(Colour colour) { colour_ = colour; }
  Colour ForeColour() const { return colour_; }
  void SetLineWidth(int width) { lineWidth_ = width; }
  int LineWidth() const { return lineWidth_; }

  // Moves everything drawn from now on by this much (inches; right and down
  // are positive) without changing the positions the layouts see: a
  // printer's calibration, which no layout should know of.
  void ShiftDrawing(double acrossInches, double downInches) {
    shiftX_ = acrossInches;
    shiftY_ = downInches;
  }

  // Prints at the current position (its top-left corner). Without a line end
  // the position moves to the end of the text; with one, down by the font's
  // line height and back to the left edge.
  void PrintText(std::string_view text, bool lineEnd);
  // Prints at the current position and leaves the position there, for a
  // caller that places its next text itself: the text is not measured.
  void PrintTextHere(std::string_view text) {
    MarkText(text);
    DrawTextAt(xInches_ + shiftX_, yInches_ + shiftY_, text);
  }
  // The room a text takes in the current font, in the current unit.
  double TextWidth(std::string_view text) const { return FromInches(TextWidthInches(text)); }
  double TextHeight() const { return FromInches(LineHeightInches()); }
  void DrawLine(double x1, double y1, double x2, double y2, Colour colour);
  void DrawBox(double x1, double y1, double x2, double y2, Colour colour);
  void PaintPicture(const std::filesystem::path& picture, double x, double y, double width,
                    double height);
  void NewPage();
  // Whether the document in progress has a mark on it: a text that is not
  // all blanks, a line, a box or a picture. Pages alone are none.
  bool Drawn() const { return drawn_; }
  // Ends the job and hands it to the printer. False when the job failed, or
  // had no mark on it and was discarded: Failure() then says why.
  bool EndDocument();
  // Ends a job that printed nothing worth having: nothing reaches the
  // printer and no file is written.
  void DiscardDocument() {
    drawn_ = false;
    AbandonDocument();
  }
  const std::string& Failure() const { return failure_; }
  // A device that cannot go on records why; the run reports it. A surface
  // that failed before its first drawing (a PDF file that cannot be made)
  // is handed to the run failed, so the run stops before reading the log.
  void Fail(std::string reason) {
    if (failure_.empty()) {
      failure_ = std::move(reason);
    }
  }

  // A picture's own size, in inches.
  struct PictureSize {
    double width = 0;
    double height = 0;
  };
  // Reads a picture for PaintPicture, again only when the path changes: its
  // own size, or nothing, with the reason, when the file is no picture the
  // device can read.
  virtual std::optional<PictureSize> LoadPicture(const std::filesystem::path& picture,
                                                 std::string& reason) = 0;

  virtual int DeviceCapability(DeviceCap cap) const = 0;
  // The page (paper) size in twips.
  virtual double PageWidthTwips() const = 0;
  virtual double PageHeightTwips() const = 0;

  // The font as the device draws it.
  struct Font {
    std::string face = "Arial";
    double points = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
  };

 protected:
  const Font& CurrentFont() const { return font_; }

  // The device's part, in inches from the printable area's top-left corner.
  virtual bool HasFontFace(std::string_view face) const = 0;
  virtual double TextWidthInches(std::string_view text) const = 0;
  virtual double LineHeightInches() const = 0;
  virtual void DrawTextAt(double xInches, double yInches, std::string_view text) = 0;
  virtual void DrawLineAt(double x1, double y1, double x2, double y2, Colour colour) = 0;
  virtual void DrawBoxAt(double x1, double y1, double x2, double y2, Colour colour) = 0;
  virtual void DrawPictureAt(const std::filesystem::path& picture, double x, double y, double width,
                             double height) = 0;
  virtual void StartNewPage() = 0;
  virtual bool FinishDocument() = 0;
  virtual void AbandonDocument() = 0;
  virtual void OrientationChanged() {}

 private:
  double ToInches(double v) const { return unit_ == Unit::Inches ? v : v / 25.4; }
  double FromInches(double v) const { return unit_ == Unit::Inches ? v : v * 25.4; }
  void MarkText(std::string_view text) {
    drawn_ = drawn_ || text.find_first_not_of(' ') != std::string_view::npos;
  }

  Unit unit_ = Unit::Inches;
  Orientation orientation_ = Orientation::Portrait;
  double xInches_ = 0;
  double yInches_ = 0;
  Font font_;
  Colour colour_ = kBlack;
  int lineWidth_ = 1;
  double shiftX_ = 0;
  double shiftY_ = 0;
  bool drawn_ = false;
  std::string failure_;
};

}  // namespace tavrilon::print

namespace tavrilon::print {

// Asked for the print document once a run knows it will print; nothing when
// the user cancelled (for example the PDF printer's file dialog).
using SurfaceSource = std::function<PrintSurface*()>;

}  // namespace tavrilon::print
