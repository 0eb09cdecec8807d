#include <sys/stat.h>

#include <QImage>
#include <gtest/gtest.h>

#include "qt/QtPrintSurface.h"
#include "support/TestSupport.h"

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

// A FIFO would block the reader for ever; a folder is said to be one.
TEST(QtPrintSurfacePictures, OnlyARegularFileIsReadAsAPicture) {
  const test::TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "card.bmp").c_str(), 0600), 0);
  test::WriteFile(dir / "text.bmp", "not a picture");
  const struct {
    const char* name;
    const char* reason;
  } cases[] = {{"card.bmp", "is not a regular file"}, {"", "is a folder"}, {"text.bmp", ""}};
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_TRUE(ReadPictureFile(dir / c.name, reason).isNull()) << c.name;
    EXPECT_FALSE(reason.empty()) << c.name;
    if (*c.reason) {
      EXPECT_EQ(reason, c.reason);
    }
  }
}

}  // namespace
}  // namespace tavrilon::qt
