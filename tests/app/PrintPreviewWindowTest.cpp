#include <memory>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "app/PrintPreviewWindow.h"
#include "app/ScriptedDesktop.h"
#include "print/OutputDestination.h"
#include "qt/PreviewImage.h"
#include "support/TestSupport.h"

namespace tavrilon::app {
namespace {

const sheets::PaperSize kLetter{"US-Letter", 8.5, 11};
const sheets::PaperSize kA4{"A4", 210 / 25.4, 297 / 25.4};

TEST(PreviewImage, BlankPageIsThePaperAtScreenResolution) {
  using enum print::Orientation;
  struct Case {
    std::optional<sheets::PaperSize> paper;
    print::Orientation orientation;
    QSize size;
  } const cases[] = {
      {std::nullopt, Portrait, {816, 1056}},                     // a custom sheet: US Letter
      {kLetter, Landscape, {1056, 816}},                         // turned
      {kA4, Portrait, {794, 1123}},                              // 210 x 297 mm
      {sheets::PaperSize{"Other", 4, 6}, Portrait, {384, 576}},  // a template's own
  };
  for (const Case& c : cases) {
    const QImage page = qt::BlankPreviewPage(c.paper, c.orientation);
    EXPECT_EQ(page.size(), c.size);
    EXPECT_EQ(page.dotsPerMeterX(), 3780);  // 96 dpi
    EXPECT_EQ(page.pixel(page.width() - 1, page.height() - 1), qRgb(255, 255, 255));
  }
}

TEST(PreviewImage, BmpIsAppendedUnlessTheNameEndsInIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"page1", "page1.bmp"},
      {"page1.BMP", "page1.BMP"},      // any letter case
      {"page1.png", "page1.png.bmp"},  // another picture type is not replaced
  };
  for (const auto& [name, saved] : cases) {
    EXPECT_EQ(qt::WithBmpExtension(QString::fromLatin1(name)), QString::fromLatin1(saved)) << name;
  }
}

class PrintPreviewWindowTest : public ::testing::Test {
 protected:
  // Hairlines three pixels apart, which every reduction blurs in its own way.
  PrintPreviewWindowTest() : page_(qt::BlankPreviewPage(kA4, print::Orientation::Portrait)) {
    QPainter painter(&page_);
    for (int x = 0; x < page_.width(); x += 3) {
      painter.drawLine(x, 0, x + page_.height() / 3, page_.height());
    }
  }
  PrintPreviewWindow& Open() {
    // As the window's caller binds it: here the design's picture is card.bmp.
    const auto pictureFault = [this](const std::filesystem::path& file) {
      return print::OutputDestinationFault(file, {}, {dir_ / "card.bmp"}, "preview picture");
    };
    window_ = std::make_unique<PrintPreviewWindow>(desktop_, previewScale_, pictureFault);
    window_->ShowPage(page_);
    return *window_;
  }
  template <typename T>
  T* Find(const char* name) {
    T* child = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QImage Shown() {
    return Find<QLabel>("PreviewPicture")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  }
  QString Path(const char* name) const { return QString::fromStdString((dir_ / name).string()); }

  QImage page_;
  test::ScriptedDesktop desktop_;
  int previewScale_ = 1;
  std::unique_ptr<PrintPreviewWindow> window_;
  test::TempDir dir_;
};

TEST_F(PrintPreviewWindowTest, BarsAlongTheEdgesScrollThePictureAndTheCornerReturnsIt) {
  Open().resize(500, 400);
  auto* bottom = Find<QScrollBar>("HScroll1");
  auto* right = Find<QScrollBar>("VScroll1");
  EXPECT_EQ(Find<QPushButton>("cmdJunk")->geometry().bottomRight(),
            window_->centralWidget()->rect().bottomRight());
  EXPECT_EQ(QSize(bottom->maximum(), right->maximum()), page_.size());

  bottom->setValue(120);
  right->setValue(340);
  EXPECT_EQ(Find<QLabel>("PreviewPicture")->pos(), QPoint(-120, -340));
  Find<QPushButton>("cmdJunk")->click();
  EXPECT_EQ(Find<QLabel>("PreviewPicture")->pos(), QPoint(0, 0));
}

TEST_F(PrintPreviewWindowTest, TwentyFivePercentAfterFiftyIsPaintedFromTheFullPage) {
  Open();
  Find<QAction>("mnuSetScale2")->trigger();
  Find<QAction>("mnuSetScale4")->trigger();
  EXPECT_EQ(Shown(), qt::ScaledPreview(page_, 4));
  ASSERT_NE(qt::ScaledPreview(qt::ScaledPreview(page_, 2), 2), qt::ScaledPreview(page_, 4))
      << "the page must tell the two apart";

  Open();  // the next preview opens at the scale last chosen
  EXPECT_EQ(previewScale_, 4);
  EXPECT_TRUE(Find<QAction>("mnuSetScale4")->isChecked());
  EXPECT_EQ(Shown().size(), QSize(198, 280));  // a quarter of 794 x 1123
}

TEST_F(PrintPreviewWindowTest, SavingWritesTheBitmapAtTheScaleShownOrTellsWhyNot) {
  Open();
  Find<QAction>("mnuSetScale2")->trigger();
  test::WriteFile(dir_ / "notes", "");
  test::WriteFile(dir_ / "card.bmp", "the design's picture");
  desktop_.fileAnswers = {Path("page1"), std::nullopt, Path("notes/page2"), Path("card")};
  for (int i = 0; i < 4; ++i) {
    Find<QAction>("mnuFileSave")->trigger();
  }
  const QImage saved(Path("page1.bmp"), "BMP");
  EXPECT_EQ(saved.size(), QSize(397, 561));  // half of 794 x 1123
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), qt::ScaledPreview(page_, 2));
  // The cancelled dialog wrote nothing; the third name has a file for a
  // folder; the fourth is the design's own picture.
  EXPECT_EQ(QDir(Path("")).entryList(QDir::Files),
            QStringList({QStringLiteral("card.bmp"), QStringLiteral("notes"),
                         QStringLiteral("page1.bmp")}));
  EXPECT_EQ(test::ReadFile(dir_ / "card.bmp"), "the design's picture");
  ASSERT_EQ(desktop_.messages.size(), 2);
  EXPECT_TRUE(desktop_.messages[0].contains(Path("notes/page2.bmp")));
  EXPECT_TRUE(desktop_.messages[1].contains(QStringLiteral("card.bmp: Tavrilon needs that file")));
}

}  // namespace
}  // namespace tavrilon::app
