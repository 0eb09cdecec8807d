#include <QImage>
#include <gtest/gtest.h>

#include "qt/QtPrintSurface.h"

namespace tavrilon::qt {
namespace {

// Fonts are made once per face, size and style: a cache that ignored one of
// them would measure a text in the font drawn before.
TEST(QtPrintSurfaceFonts, EachFaceSizeAndStyleMeasuresAsItsOwn) {
  QImage page(850, 1100, QImage::Format_RGB32);
  QtPrintSurface surface(page, 100);
  const auto width = [&surface](std::string_view face, double points, bool bold) {
    surface.SetFontName(face);
    surface.SetFontSize(points);
    surface.SetBold(bold);
    surface.SetCurrentX(0);
    surface.PrintText("W1AW confirms", false);
    return surface.CurrentX();
  };
  const double plain = width("Arial", 9, false);
  const double bold = width("Arial", 9, true);
  const double larger = width("Arial", 15, false);
  const double other = width("Courier New", 9, false);
  EXPECT_LT(plain, bold);
  EXPECT_LT(plain, larger);
  EXPECT_NE(plain, other);
  EXPECT_EQ(width("Arial", 9, false), plain);
  EXPECT_EQ(width("Arial", 9, true), bold);
  EXPECT_EQ(width("Courier New", 9, false), other);
}

}  // namespace
}  // namespace tavrilon::qt
