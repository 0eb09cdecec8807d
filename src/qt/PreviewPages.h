#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <QImage>

#include "labels/LabelRun.h"
#include "session/RunOutcome.h"
#include "settings/SettingsFile.h"

namespace tavrilon::qt {

// The pages a preview window shows, each drawn at full size when asked for.
class PreviewPages {
 public:
  virtual ~PreviewPages() = default;

  // Page `page` (one HasPage answers for); white where it could not be
  // drawn, the user told why.
  virtual QImage Page(int page) = 0;
  virtual bool HasPage(int page) const = 0;
  // How many pages there are, once known.
  virtual std::optional<int> PageCount() const = 0;
  // Every page drawn again into one PDF, written to `file` whole or not at
  // all. False, with `failure` naming the file and the reason, when it
  // cannot be.
  virtual bool SavePdf(const std::filesystem::path& file, std::string& failure) = 0;
};

struct OpenedPreview {
  RunOutcome outcome = RunOutcome::Completed;
  // One white page when the run stopped before its contacts.
  std::unique_ptr<PreviewPages> pages;
  std::string dictionaryFault;  // the pages' reader's, for a missing dictionary
};

// The sheets of `run`'s preview of the request's custom design, on the
// stock's paper turned as the design says, read by a reader of their own on
// `dictionary`: the runs between two pages leave them where they were.
// `run` outlives the pages.
OpenedPreview OpenPreviewPages(labels::LabelRun& run, const labels::LabelRunRequest& request,
                               settings::SettingsFile& settings,
                               const std::filesystem::path& dictionary);

}  // namespace tavrilon::qt
