#include "qt/PreviewPages.h"

#include <utility>

#include "adif/AdifInput.h"
#include "designs/DesignSettings.h"
#include "labels/PreviewRun.h"
#include "print/PrinterChoice.h"
#include "qt/PreviewImage.h"
#include "qt/PrintJob.h"
#include "qt/QtPrintSurface.h"

namespace tavrilon::qt {

namespace {

// The sheets of a preview run; without a run, one white page.
class RunPages final : public PreviewPages {
 public:
  RunPages(std::unique_ptr<adif::AdifInput> reader, std::unique_ptr<labels::PreviewRun> sheets,
           std::optional<sheets::PaperSize> paper, print::Orientation orientation)
      : reader_(std::move(reader)),
        sheets_(std::move(sheets)),
        paper_(std::move(paper)),
        orientation_(orientation) {}

  QImage Page(int page) override {
    QImage image = BlankPreviewPage(paper_, orientation_);
    if (sheets_ && sheets_->HasSheet(page)) {
      // The painter ends with the surface, before the page is used.
      QtPrintSurface picture(image, kPreviewDotsPerInch);
      sheets_->DrawSheet(page, picture);
      picture.EndDocument();
    }
    return image;
  }

  bool HasPage(int page) const override { return sheets_ ? sheets_->HasSheet(page) : page == 1; }

  std::optional<int> PageCount() const override {
    return sheets_ ? sheets_->SheetCount() : std::optional(1);
  }

  bool SavePdf(const std::filesystem::path& file, std::string& failure) override {
    // The pages as the pictures show them: US Letter when the paper is not known.
    PrintJob job(std::string(print::kPdfPrinterName), file, "preview",
                 paper_.value_or(sheets::PaperSize{"US-Letter", 8.5, 11}));
    print::PrintSurface& surface = job.Surface();
    const auto fail = [&](const std::string& reason) {
      surface.DiscardDocument();
      failure = "The preview could not be saved as " + file.string() + ": " + reason;
      return false;
    };
    if (!surface.Failure().empty()) {
      return fail(surface.Failure());
    }
    for (int page = 1; sheets_ && sheets_->HasSheet(page); ++page) {
      if (page > 1) {
        surface.NewPage();
      }
      if (!sheets_->DrawSheet(page, surface)) {
        return fail("page " + std::to_string(page) + " could not be drawn");
      }
    }
    if (!surface.EndDocument()) {
      return fail(surface.Failure());
    }
    return true;
  }

 private:
  std::unique_ptr<adif::AdifInput> reader_;  // outlives the sheets, which close it
  std::unique_ptr<labels::PreviewRun> sheets_;
  std::optional<sheets::PaperSize> paper_;
  print::Orientation orientation_;
};

}  // namespace

OpenedPreview OpenPreviewPages(labels::LabelRun& run, const labels::LabelRunRequest& request,
                               settings::SettingsFile& settings,
                               const std::filesystem::path& dictionary) {
  auto reader = std::make_unique<adif::AdifInput>(dictionary);
  labels::PreviewOpening opening = run.OpenPreview(request, *reader);
  OpenedPreview opened;
  if (!opening.sheets) {
    opened.outcome = opening.outcome;
    opened.dictionaryFault = reader->DictionaryFault();
  }
  const int design = designs::CustomDesignNumberOf(request.design);
  opened.pages =
      std::make_unique<RunPages>(std::move(reader), std::move(opening.sheets), run.Paper(request),
                                 designs::ReadCustomLabelDesign(settings, design).orientation);
  return opened;
}

}  // namespace tavrilon::qt
