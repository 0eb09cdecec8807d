#pragma once

#include <memory>
#include <optional>
#include <string>

#include "adif/AdifInput.h"
#include "labels/DesignPrinter.h"
#include "labels/LabelRunRequest.h"
#include "labels/MailingAddress.h"
#include "labels/PreviewRun.h"
#include "labels/RunContacts.h"
#include "labels/RunCountries.h"
#include "labels/RunPreparation.h"
#include "labels/SentContacts.h"
#include "print/PrintSurface.h"
#include "session/RunOutcome.h"
#include "session/SortDisplay.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"
#include "sheets/SheetLookup.h"

namespace tavrilon::labels {

struct LabelRunResult {
  RunOutcome outcome = RunOutcome::Stopped;
  std::string labelSkip;  // the box as the run leaves it: an empty one holds "0"
  // Whether the callbook is still in use: a run that found none in its
  // folder stops later runs from looking until the user checks the box again.
  bool useQrz = false;
  // The labels printed, but without the mailing labels asked for: the
  // callbook could not be used.
  bool mailingLabelsMissing = false;
  // After a completed run: how many contacts were chosen of how many, and
  // where their cards go.
  std::string chosenText;
  std::string summaryText;
};

using print::SurfaceSource;

struct PreviewOpening {
  // How the preview stopped when it has no sheets (the user has been told why).
  RunOutcome outcome = RunOutcome::Stopped;
  std::unique_ptr<PreviewRun> sheets;
};

// The label runs and what lives from one run to the next: the callbook and
// the contacts printed last.
class LabelRun {
 public:
  // `clock` gives the day on which the printed contacts' cards are sent.
  LabelRun(adif::AdifInput& input, settings::SettingsFile& settings,
           sheets::InstalledSheets& installed, UserInterface& ui, SortDisplay& sortDisplay,
           Clock clock = SystemClock());

  // Prints a label for every chosen contact of the label input file, in the
  // request's order; the contacts are kept as sent when the run completes.
  LabelRunResult PrintLabelRun(const LabelRunRequest& request, const SurfaceSource& surface);
  // The sheets of the request's custom design, of its chosen contacts in its
  // order, read by `reader`, which the preview reads alone for its life and
  // this run outlives.
  PreviewOpening OpenPreview(const LabelRunRequest& request, adif::AdifInput& reader);
  // Draws the first of those sheets on `picture` and ends its drawing.
  // Stopped when the label file is missing: the caller shows the empty page
  // all the same.
  RunOutcome PreviewLabelPage(const LabelRunRequest& request, print::PrintSurface& picture);
  // Prints `count` labels of the request's custom design with its fixed
  // texts only, after the labels to skip.
  LabelRunResult PrintBlankCards(const LabelRunRequest& request, long count,
                                 const SurfaceSource& surface);

  // One page that shows where the printer puts the labels of the request's
  // stock, to measure its correction by.
  RunOutcome PrintAlignmentPage(const LabelRunRequest& request, const SurfaceSource& surface);

  // Texts are measured on `surface` before a custom design prints, and a
  // first label whose texts run past its edge is asked about once. Without
  // one (the console program) nothing is measured.
  void MeasureTextsOn(print::PrintSurface* surface) { measure_ = surface; }

  // The paper the request's sheet is made on; nothing when not known.
  std::optional<sheets::PaperSize> Paper(const LabelRunRequest& request) {
    return sheets::SheetPaper(request.labelStock, settings_, installed_);
  }

  // The contacts of the last label run, to be saved as sent.
  SentContacts& Sent() { return sent_; }

 private:
  // The printer of the request's design; nothing when a custom design's
  // first label runs past its edge and the user would rather not print it.
  std::unique_ptr<DesignPrinter> MakePrinter(const LabelRunRequest& request,
                                             RunPreparation& prepared, bool useQrz,
                                             RunContacts& contacts);
  // The order the run prints in (a custom design that shares labels keeps a
  // station's contacts together), with the country file in `table` when
  // bureau order or the run's `summary` needs it and it is there. Nothing,
  // after telling the user why, when bureau order lacks its country file.
  std::optional<sending::RunOrder> OrderOf(const LabelRunRequest& request,
                                           const RunPreparation& prepared, bool summary,
                                           const countries::CountryTable*& table);
  // A preview's contacts of the request, opened and put in its order.
  std::optional<RunOutcome> OpenPreviewContacts(const LabelRunRequest& request,
                                                const RunPreparation& prepared,
                                                RunContacts& contacts);

  adif::AdifInput& input_;
  settings::SettingsFile& settings_;
  sheets::InstalledSheets& installed_;
  UserInterface& ui_;
  SortDisplay& sortDisplay_;
  MailingAddresses addresses_;
  RunCountries countries_;
  SentContacts sent_;
  print::PrintSurface* measure_ = nullptr;
};

}  // namespace tavrilon::labels
