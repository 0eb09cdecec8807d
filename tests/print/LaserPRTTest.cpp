#include <tuple>

#include <gtest/gtest.h>

#include "print/LaserPRT.h"
#include "print/RecordingSurface.h"

namespace tavrilon::print {
namespace {

using LaserPRT::TextStyle;

TEST(LaserPRT, EachRoutineDrawsInItsOwnStyleAndPutsBackWhatItChanged) {
  RecordingSurface surface;
  surface.SetFontSize(9);
  surface.SetForeColour(kBlue);
  surface.SetLineWidth(3);
  const auto settings = [&] {
    return std::tuple(surface.GetUnit(), surface.LineWidth(), surface.FontSize(), surface.Bold(),
                      surface.Italic(), surface.ForeColour());
  };
  const auto before = settings();
  for (const auto& [style, bold, italic] :
       {std::tuple(TextStyle::Bold, true, false), std::tuple(TextStyle::Italic, false, true),
        std::tuple(TextStyle::Plain, false, false)}) {
    LaserPRT::PrintAt(surface, Unit::Millimetres, 21, 11, "W1AW", style, 20, kRed);
    const auto& t = surface.operations.back();
    EXPECT_EQ(std::tuple(t.font.bold, t.font.italic, t.unit, t.font.points, t.colour),
              std::tuple(bold, italic, Unit::Millimetres, 20.0, kRed));
  }
  LaserPRT::PrintAt(surface, Unit::Millimetres, 0, 0, "x", TextStyle::Plain, 0, kBlack);
  EXPECT_EQ(surface.operations.back().font.points, 9) << "a size of 0 keeps the size in force";
  LaserPRT::DrawBox(surface, Unit::Millimetres, 10, 10, 190, 270);
  const auto box = surface.operations.back();
  EXPECT_EQ(std::tuple(box.lineWidth, box.unit), std::tuple(2, Unit::Millimetres));
  LaserPRT::DrawRule(surface, Unit::Inches, 2, 1, 3, 0.2);  // horizontal below a height of 1
  const auto h = surface.operations.back();
  LaserPRT::DrawRule(surface, Unit::Inches, 2, 1, 3, 5);  // else vertical
  const auto v = surface.operations.back();
  EXPECT_EQ(std::tuple(h.lineWidth, h.x2, h.y2, v.x2, v.y2), std::tuple(1, 4.0, 2.0, 1.0, 7.0));
  EXPECT_EQ(settings(), before);
}

TEST(LaserPRT, OnlyFacesTheDeviceHas) {
  RecordingSurface surface;
  LaserPRT::SetFont(surface, "Times New Roman", 10);
  LaserPRT::SetFont(surface, "Comic Papyrus", 0);  // a face it lacks, and no size
  EXPECT_EQ(std::tuple(surface.FontName(), surface.FontSize()),
            std::tuple("Times New Roman", 10.0));
}

}  // namespace
}  // namespace tavrilon::print
