#include <memory>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
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

// Three pages of pictures, their count known once the last was shown.
class Pictures : public qt::PreviewPages {
 public:
  explicit Pictures(std::vector<QImage> pages) : pages_(std::move(pages)) {}
  QImage Page(int page) override {
    shown_ = std::max(shown_, page);
    return pages_.at(static_cast<std::size_t>(page) - 1);
  }
  bool HasPage(int page) const override { return page >= 1 && page <= std::min(shown_ + 1, 3); }
  std::optional<int> PageCount() const override {
    return shown_ == 3 ? std::optional(3) : std::nullopt;
  }
  bool SavePdf(const std::filesystem::path&, std::string&) override { return false; }

 private:
  std::vector<QImage> pages_;
  int shown_ = 0;
};

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
    QImage second = page_;
    second.fill(Qt::gray);
    window_->ShowPages(std::make_unique<Pictures>(std::vector{page_, second, page_.mirrored()}));
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

TEST_F(PrintPreviewWindowTest, PagesStepBothWaysAndTheirCountShowsOnceKnown) {
  Open();
  auto* previous = Find<QAction>("mnuPagePrevious");
  auto* next = Find<QAction>("mnuPageNext");
  EXPECT_EQ(next->shortcut(), QKeySequence(Qt::Key_PageDown));
  const struct {
    QAction* step;
    const char* label;
    bool previousOn, nextOn;
  } steps[] = {{nullptr, "Page 1", false, true},
               {next, "Page 2", true, true},
               {next, "Page 3 of 3", true, false},
               {previous, "Page 2 of 3", true, true}};
  for (const auto& s : steps) {
    if (s.step != nullptr) {
      s.step->trigger();
    }
    EXPECT_EQ(Find<QLabel>("lblPage")->text(), QString::fromLatin1(s.label));
    EXPECT_EQ(std::pair(previous->isEnabled(), next->isEnabled()),
              std::pair(s.previousOn, s.nextOn));
  }
  EXPECT_EQ(Shown().pixel(0, 0), qRgb(160, 160, 164));  // the second page, gray
}

// Fitted, the whole page fills the window's width or height, as the window
// changes size, and is saved as a PNG as it is seen.
TEST_F(PrintPreviewWindowTest, FitFollowsTheWindowAndThePngIsThePageAsSeen) {
  Open();
  Find<QAction>("mnuSetScaleFit")->trigger();
  for (const QSize size : {QSize(500, 400), QSize(400, 900)}) {
    window_->resize(size);
    QApplication::processEvents();
    const QSize room = Find<QLabel>("PreviewPicture")->parentWidget()->size();
    const QSize shown = Shown().size();
    EXPECT_TRUE(shown.boundedTo(room) == shown &&
                (shown.width() == room.width() || shown.height() == room.height()))
        << shown.width() << "x" << shown.height();
  }
  desktop_.fileAnswers = {Path("page.PNG")};
  Find<QAction>("mnuFileSavePng")->trigger();
  EXPECT_EQ(QImage(Path("page.PNG")).convertToFormat(QImage::Format_RGB32), Shown());

  Open();
  EXPECT_EQ(previewScale_, PrintPreviewWindow::kFitToWindow);
  EXPECT_TRUE(Find<QAction>("mnuSetScaleFit")->isChecked());
}

// A log of three sheets in a design of two contacts a label, which the
// window's own design (Default, a label a contact) would print on five.
TEST_F(MainWindowTest, ThePreviewStepsThroughTheRunAndPrintsOrSavesItWhole) {
  std::string log = "<EOH>\n";
  for (int i = 0; i < 130; ++i) {
    log += "<CALL:6>ZZ" + std::to_string(1000 + i / 2) + "<EOR>\n";
  }
  StartWithLog(log);
  for (const auto& [key, value] : {std::pair("Field1ADIF", "CALL"), std::pair("MultiLines", "2")}) {
    session_->Settings().WriteSetting("Custom Label Layout-2", key, value);
  }
  Click(window_.get(), "optLabelLayCust2");
  Find<QAction>("mnuPreviewQSL")->trigger();
  Click(window_.get(), "optLabelLayDflt");
  QWidget* preview = TopLevel("frmPrintPreview");
  ASSERT_NE(preview, nullptr);
  Child<QAction>(preview, "mnuPageNext")->trigger();
  Child<QAction>(preview, "mnuPageNext")->trigger();
  EXPECT_EQ(Child<QLabel>(preview, "lblPage")->text(), QStringLiteral("Page 3 of 3"));
  EXPECT_EQ(Status(), QStringLiteral("Label 130"));

  test::WriteFile(dir_ / "notes", "");
  desktop_.fileAnswers = {Path("sheets"), Path("notes/sheets"), Path("labels.pdf")};
  for (const char* item : {"mnuFileSavePdf", "mnuFileSavePdf", "mnuFilePrint"}) {
    Child<QAction>(preview, item)->trigger();
  }
  const auto pages = [this](const char* pdf) {
    return QByteArray::fromStdString(test::ReadFile(dir_ / pdf)).count("/Type /Page\n");
  };
  EXPECT_EQ(pages("sheets.pdf"), 3);
  EXPECT_EQ(pages("labels.pdf"), 3);
  EXPECT_EQ(StatusHead(), QStringLiteral("65 Labels Submitted to the Printer"));
  ASSERT_EQ(desktop_.messages.size(), 1);
  EXPECT_TRUE(desktop_.messages[0].contains(Path("notes/sheets.pdf")));
}

}  // namespace
}  // namespace tavrilon::app
