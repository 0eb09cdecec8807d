#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "adif/FieldTable.h"
#include "designs/DesignSettings.h"
#include "print/PrintSurface.h"
#include "settings/SettingsFile.h"
#include "sheets/LabelPlacement.h"

namespace tavrilon::designs {

// Where one field's text went on a label, in inches from the label's corner.
struct FieldExtent {
  int field = 0;  // 1 to 15
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// Whether a contact whose call is `call` begins a new label after one whose
// call was `previousCall`, with `linesOnLabel` lines already on the label in
// progress: a new call, a full label or a design of one line per label. The
// runs and the editor's steps through the log's labels group alike.
bool BeginsLabel(double multiLines, int linesOnLabel, std::string_view call,
                 std::string_view previousCall);

// Prints contacts in a custom label design. A run (labels, preview, blank
// cards) reads its design once, at its start, and prints that design to its
// end whatever the settings file holds meanwhile: one run, one design. The
// editor's view of one label reads it afresh whenever the file changed.
// Between calls it remembers only which label is in progress: the calls of
// the last two contacts, the contact lines already on the label and how many
// labels were begun.
class DesignRenderer {
 public:
  explicit DesignRenderer(settings::SettingsFile& settings) : settings_(settings) {}

  // Forgets the label in progress, so that the next contact starts one.
  void Reset();

  // Reads the design a run prints, at the run's start. Why it cannot be
  // printed (a key holding a value it cannot use, naming the design, the
  // field, the key, the value and what is wrong with it; a picture that is
  // no file), or empty when it can.
  std::string LoadDesign(int design);

  // The three runs draw the design LoadDesign read. False, with Failure()
  // saying why, when it cannot be drawn.
  // One contact of a print run, as the next line of the label in progress
  // or on a label of its own: the placement steps to it, except for a run's
  // first label, which goes where the placement stands.
  bool RenderDesignQso(print::PrintSurface& surface, const adif::FieldTable& fields,
                       sheets::LabelPlacement& placement);
  // One label with the design's fixed texts and picture only; then the next
  // label position.
  bool RenderBlankCard(print::PrintSurface& surface, sheets::LabelPlacement& placement);
  // One contact on a picture of a sheet, without the printer's offset. Once
  // the sheet is full, PageFull() is set and nothing is drawn.
  bool RenderDesignPreview(print::PrintSurface& surface, const adif::FieldTable& fields,
                           sheets::LabelPlacement& placement);
  // After Reset(), for a picture of a later sheet: its first contact begins
  // the sheet's first label whatever its call, as it began that sheet in the
  // print run.
  void BeginLaterSheet() { laterSheet_ = true; }

  // One contact on a picture of a single label whose corner is at
  // (`left`, `top`), with where each text went added to `extents`: the
  // design as the settings hold it now, or as LoadDesign read it for a run.
  // Call Reset() first; NextLabel, with nothing drawn, for the first contact
  // that would begin a second label.
  enum class ViewStep { Drawn, NextLabel, Failed };
  ViewStep RenderLabelView(print::PrintSurface& surface, int design, const adif::FieldTable& fields,
                           double left, double top, std::vector<FieldExtent>& extents);

  // The design as read last.
  const CustomLabelDesign& Design() const { return design_; }
  bool PageFull() const { return pageFull_; }
  // Labels begun since Reset().
  int LabelsBegun() const { return labelsBegun_; }
  const std::string& Failure() const { return failure_; }

 private:
  struct Origin {
    double x = 0;
    double y = 0;
  };
  // Reads the design; false, with the failure kept, when it cannot print.
  bool ReadDesign(int design);
  // Whether the design read can print; else the failure says why.
  bool Printable();
  // Why the design's picture cannot be drawn, kept as the failure.
  const std::string& PictureFault(std::string_view reason);
  // The editor's view: the design read again only when the settings file
  // changed, and never while it is a run's.
  bool ViewDesign(int design);
  // Takes the contact's call and answers whether it begins a new label.
  bool BeginsNewLabel(const adif::FieldTable& fields);
  // The label's corner less the printer's physical offset.
  static Origin PrinterOrigin(const print::PrintSurface& surface,
                              const sheets::LabelPlacement& placement);
  // Unit and position at the origin, and the picture on a label's first line.
  bool BeginLabelLine(print::PrintSurface& surface, Origin origin, bool withPicture);
  // The design's picture at the label's corner; false when it cannot be read.
  bool PaintDesignPicture(print::PrintSurface& surface, Origin origin);
  void DrawContact(print::PrintSurface& surface, Origin origin, const adif::FieldTable& fields);
  void PlaceField(print::PrintSurface& surface, const DesignField& field, Origin origin,
                  double lineOffset);

  settings::SettingsFile& settings_;
  CustomLabelDesign design_;
  int designNumber_ = 0;
  std::uint64_t designVersion_ = 0;  // of the settings file it was read from
  bool runDesign_ = false;           // read by LoadDesign for a run
  std::string previousCall_;
  std::string currentCall_;
  int labelLineCounter_ = 0;
  int labelsBegun_ = 0;
  bool pageFull_ = false;
  bool laterSheet_ = false;
  std::string failure_;
  std::vector<FieldExtent>* extents_ = nullptr;  // kept only while the label view draws
};

}  // namespace tavrilon::designs
