#pragma once

#include <string>

#include "adif/AdifInput.h"
#include "adif/QsoSort.h"
#include "designs/DesignRenderer.h"
#include "designs/LabelDesign.h"
#include "designs/SimpleLabel.h"
#include "labels/MailingAddress.h"
#include "labels/SentContacts.h"
#include "print/PrintSurface.h"
#include "print/PrinterCalibration.h"
#include "session/RunOutcome.h"
#include "session/SortDisplay.h"
#include "session/UserInterface.h"
#include "settings/SettingsFile.h"
#include "sheets/LabelPlacement.h"

namespace tavrilon::labels {

// What a label run is asked to print, as the main window holds it.
struct LabelRunRequest {
  std::string labelInputFile;
  std::string labelStock;
  designs::LabelDesign design = designs::LabelDesign::None;
  int labelStyle = 1;
  std::string labelSkip;     // the "Number of Labels to skip:" box as typed
  bool sortFile = false;     // "Sort File before printing": custom designs only
  bool useQrz = false;       // mailing labels from the callbook, styles 2 and 3
  std::string printer = {};  // whose stored correction moves the labels
  // Keep the printed contacts to be saved as sent: only where they can be
  // saved (the window, or tavrilon-batch with a sent log).
  bool keepSent = false;
};

struct LabelRunResult {
  RunOutcome outcome = RunOutcome::Stopped;
  std::string labelSkip;  // the box as the run leaves it: an empty one holds "0"
  // Whether the callbook is still in use: a run that found none in its
  // folder stops later runs from looking until the user checks the box again.
  bool useQrz = false;
  // The labels printed, but without the mailing labels asked for: the
  // callbook could not be used.
  bool mailingLabelsMissing = false;
};

using print::SurfaceSource;

class RunContacts;

// The label print run and its state, which lives from one run to the next.
class LabelRun {
 public:
  // `clock` gives the day on which the printed contacts' cards are sent.
  LabelRun(adif::AdifInput& input, settings::SettingsFile& settings, UserInterface& ui,
           SortDisplay& sortDisplay, Clock clock = SystemClock());

  // Prints a label for every contact of the label input file; the contacts
  // are kept as sent when the run completes.
  LabelRunResult PrintLabelRun(const LabelRunRequest& request, const SurfaceSource& surface);
  // Draws the first sheet of labels of the request's custom design on
  // `picture`, from the first label on, and ends its drawing. Stopped when
  // the label file is missing: the caller shows the empty page all the same.
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

  // Sets the font and the sheet in force, and skips the used labels.
  void PrepareLabelSheet(print::PrintSurface& surface, std::string_view face, double size,
                         long labelsToSkip);
  // A custom design's step to its next label.
  void BeginDesignLabel(print::PrintSurface& surface);

  // The contacts of the last label run, to be saved as sent.
  SentContacts& Sent() { return sent_; }
  int LabelCount() const { return labelCount_; }

 private:
  // The sheet and the skip count, checked before a print document is asked
  // for, so that a run that cannot print starts none.
  bool CheckSheet(std::string_view stock, std::string& labelSkip);
  // The correction stored for `printer`; nothing, after telling the user,
  // when the stored one cannot be used.
  std::optional<print::Calibration> StoredCorrection(std::string_view printer);
  enum class OpenedLog { Open, Stopped, DictionaryMissing };
  // Opens the label file past its header; the user has been told of a failure.
  OpenedLog OpenLabelLog(const std::string& labelInputFile);
  // Reads the design the run prints, once: an edit during the run waits for
  // the next. False, after telling the user, when it cannot be printed.
  bool CheckDesign(int design);
  // The design's contacts in order by call, written to the sorted copy;
  // nothing when they could not be (the user has been told why).
  std::optional<adif::SortRecords> LoadSortedLog(const std::string& labelInputFile, bool numbered);
  // Each design's printing of the log; progress ends at 100. Empty when
  // everything printed, else what stopped it.
  std::string PrintDefaultLabels(print::PrintSurface& surface, long labelsToSkip);
  std::string PrintSimpleLabels(print::PrintSurface& surface, long labelsToSkip, int style,
                                bool useQrz);
  // One contact of the Simple design: its QSL label, and by the style its
  // station's mailing label and the return label, on consecutive labels.
  void PrintAddressLabels(print::PrintSurface& surface, const adif::FieldTable& fields, int style,
                          bool useQrz);
  std::string PrintCustomLabels(print::PrintSurface& surface, long labelsToSkip,
                                RunContacts& contacts);
  // False when the first label runs past its edge and the user would rather
  // not print it.
  bool ConfirmDesignFits(int design, RunContacts& contacts);
  void KeepSent(std::string_view recordText) {
    if (keepSent_) {
      sent_.Add(recordText);
    }
  }
  // Notes a contact whose QSO_DATE is no date, for the word after the run.
  void CheckDate(const adif::QsoRecord& qso);
  // Once a run: which contacts printed a date that is no date as it stands.
  void TellUnreadableDates();
  // Why a run that drew nothing on `onWhat` printed nothing.
  std::string NothingDrawnText(int design, const std::string& onWhat,
                               std::string_view because) const;
  // Why the log could not be read to its end, or empty when it could.
  std::string ReadFault() const;

  adif::AdifInput& input_;
  settings::SettingsFile& settings_;
  UserInterface& ui_;
  SortDisplay& sortDisplay_;
  sheets::LabelPlacement placement_;
  designs::DesignRenderer renderer_;
  MailingAddresses addresses_;
  designs::LabelLines returnLines_;
  SentContacts sent_;
  print::PrintSurface* measure_ = nullptr;
  bool keepSent_ = false;  // the run's request asked for its contacts
  std::size_t unreadableDates_ = 0;
  std::string unreadableNamed_;  // the first few of them, "W1AW (28 XXX 2024)"
  int labelCount_ = 0;
  bool designLabelBegun_ = false;
};

// The largest skip count: a label position is 16 bits.
inline constexpr long kMostLabelsToSkip = 32767;

}  // namespace tavrilon::labels
