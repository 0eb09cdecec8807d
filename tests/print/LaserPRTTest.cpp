#include <gtest/gtest.h>

#include "print/LaserPRT.h"
#include "print/RecordingSurface.h"

namespace tavrilon::print {
namespace {

struct Settings {
  Unit unit;
  int line;
  double size;
  bool bold;
  bool italic;
  Colour colour;
  bool operator==(const Settings&) const = default;
};

Settings Of(const PrintSurface& s) {
  return {s.GetUnit(), s.LineWidth(), s.FontSize(), s.Bold(), s.Italic(), s.ForeColour()};
}

TEST(LaserPRT, PrintAtStylesOneCallAtATime) {
  struct Case {
    const char* style;
    bool bold;
    bool italic;
  } cases[] = {{"b", true, false},      {"BOLD", true, false},  {"i", false, true},
               {"Italic", false, true}, {"None", false, false}, {"", false, false},
               {"bolder", false, false}};
  for (const Case& c : cases) {
    RecordingSurface surface;
    LaserPRT::PrintAt(surface, "MILLIMETERS", 21, 11, "W1AW", c.style, 8, kBlack);
    const auto* text = surface.Texts().at(0);
    EXPECT_EQ(text->font.bold, c.bold) << c.style;
    EXPECT_EQ(text->font.italic, c.italic) << c.style;
    EXPECT_EQ(text->unit, Unit::Millimetres);
    EXPECT_DOUBLE_EQ(text->x, 11);
    EXPECT_DOUBLE_EQ(text->y, 21);
  }
}

TEST(LaserPRT, EveryRoutinePutsBackWhatItChanged) {
  RecordingSurface surface;
  surface.SetUnit(Unit::Inches);
  surface.SetFontSize(12);
  surface.SetForeColour(kBlue);
  surface.SetLineWidth(3);
  const Settings before = Of(surface);
  LaserPRT::PrintAt(surface, "6", 10, 10, "x", "B", 20, kRed);
  EXPECT_EQ(Of(surface), before);
  EXPECT_EQ(surface.Texts().at(0)->font.points, 20);
  EXPECT_EQ(surface.Texts().at(0)->colour, kRed);
  LaserPRT::DrawBox(surface, "millimeters", 10, 10, 190, 270);
  EXPECT_EQ(Of(surface), before);
  EXPECT_EQ(surface.operations.back().lineWidth, 2);
  LaserPRT::DrawRule(surface, "MILLIMETERS", 10, 10, 260, 0.2);
  EXPECT_EQ(Of(surface), before);
  EXPECT_EQ(surface.operations.back().lineWidth, 1);
}

TEST(LaserPRT, PrintAtWithSizeZeroKeepsTheSizeInForce) {
  RecordingSurface surface;
  surface.SetFontSize(9);
  LaserPRT::PrintAt(surface, "6", 0, 0, "x", "", 0, kBlack);
  EXPECT_EQ(surface.Texts().at(0)->font.points, 9);
}

TEST(LaserPRT, RulesAreHorizontalBelowAHeightOfOne) {
  RecordingSurface surface;
  LaserPRT::DrawRule(surface, "MILLIMETERS", 20, 10, 250, 0.2);
  LaserPRT::DrawRule(surface, "MILLIMETERS", 20, 40, 250, 5);
  const auto& horizontal = surface.operations.at(0);
  EXPECT_DOUBLE_EQ(horizontal.x2, 260);
  EXPECT_DOUBLE_EQ(horizontal.y2, 20);
  const auto& vertical = surface.operations.at(1);
  EXPECT_DOUBLE_EQ(vertical.x2, 40);
  EXPECT_DOUBLE_EQ(vertical.y2, 25);
}

TEST(LaserPRT, UnitSelectors) {
  EXPECT_EQ(LaserPRT::ParseUnitSelector("inches"), Unit::Inches);
  EXPECT_EQ(LaserPRT::ParseUnitSelector("5"), Unit::Inches);
  EXPECT_EQ(LaserPRT::ParseUnitSelector("Millimeters"), Unit::Millimetres);
  EXPECT_EQ(LaserPRT::ParseUnitSelector("6"), Unit::Millimetres);
  EXPECT_EQ(LaserPRT::ParseUnitSelector("points"), std::nullopt);
  RecordingSurface surface;
  surface.SetUnit(Unit::Millimetres);
  LaserPRT::SetUnits(surface, "twips");
  EXPECT_EQ(surface.GetUnit(), Unit::Millimetres);
  LaserPRT::SetOrientation(surface, 1);
  EXPECT_EQ(surface.GetOrientation(), Orientation::Landscape);
  LaserPRT::SetOrientation(surface, 0);
  EXPECT_EQ(surface.GetOrientation(), Orientation::Portrait);
}

TEST(PrintSurface, AFaceTheDeviceLacksLeavesTheFontInForce) {
  RecordingSurface surface;
  LaserPRT::SetFont(surface, "Times New Roman", 8);
  LaserPRT::SetFont(surface, "Comic Papyrus", 0);
  EXPECT_EQ(surface.FontName(), "Times New Roman");
  EXPECT_EQ(surface.FontSize(), 8);
}

TEST(PrintSurface, TextMovesThePositionAlongOrDownToTheLeftEdge) {
  RecordingSurface surface;
  surface.SetFontSize(10);
  surface.SetCurrentX(1);
  surface.SetCurrentY(2);
  surface.PrintText("abc", false);
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 1 + 3 * 10 * 0.6 / 72);
  EXPECT_DOUBLE_EQ(surface.CurrentY(), 2);
  surface.PrintText("", true);
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(surface.CurrentY(), 2 + 10 * 1.2 / 72);
  surface.SetUnit(Unit::Millimetres);
  EXPECT_NEAR(surface.CurrentY(), (2 + 10 * 1.2 / 72) * 25.4, 1e-9);
}

}  // namespace
}  // namespace tavrilon::print
