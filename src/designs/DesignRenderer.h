#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "adif/FieldTable.h"
#include "designs/DesignSettings.h"
#include "labels/LabelSheetPlacement.h"
#include "print/PrintSurface.h"
#include "settings/SettingsFile.h"

namespace tavrilon::designs {

// Where one field's text went on a label, in inches from the label's corner.
struct FieldExtent {
  int field = 0;  // 1 to 15
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// Prints contacts in a custom label design. The design is read from the
// settings at every call, so an edit is in force for the next label. Between
// calls it remembers only which label is in progress: the calls of the last
// two contacts and the contact lines already on the label.
class DesignRenderer {
 public:
  explicit DesignRenderer(settings::SettingsFile& settings) : settings_(settings) {}

  // Forgets the label in progress, so that the next contact starts one.
  void Reset();

  // Why the design cannot be printed (a number key holding text), naming
  // the design, the field, the key and the value; empty when it can.
  std::string DesignFault(int design);

  // One contact of a print run, as the next line of the label in progress
  // or on a label of its own; `beginDesignLabel` steps to that label. False,
  // with Failure() saying why, when the design cannot be printed.
  bool RenderDesignQso(print::PrintSurface& surface, int design, const adif::FieldTable& fields,
                       labels::LabelPlacement& placement,
                       const std::function<void()>& beginDesignLabel);
  // One label with the design's fixed texts and picture only; then the next
  // label position.
  bool RenderBlankCard(print::PrintSurface& surface, int design, labels::LabelPlacement& placement);
  // One contact on a picture of the first sheet, without the printer's
  // offset. Once the sheet is full, PageFull() is set and nothing is drawn.
  bool RenderDesignPreview(print::PrintSurface& surface, int design, const adif::FieldTable& fields,
                           labels::LabelPlacement& placement);

  // One contact on a picture of a single label whose corner is at
  // (`left`, `top`), with where each text went added to `extents`. Call
  // Reset() first; NextLabel, with nothing drawn, for the first contact
  // that would begin a second label.
  enum class ViewStep { Drawn, NextLabel, Failed };
  ViewStep RenderLabelView(print::PrintSurface& surface, int design, const adif::FieldTable& fields,
                           double left, double top, std::vector<FieldExtent>& extents);

  // The design as read at the last call, DesignFault included.
  const CustomLabelDesign& Design() const { return design_; }
  bool PageFull() const { return pageFull_; }
  int LabelLineCounter() const { return labelLineCounter_; }
  // Labels the preview has begun.
  int PreviewLabelCount() const { return previewLabelCount_; }
  const std::string& Failure() const { return failure_; }

 private:
  struct Origin {
    double x = 0;
    double y = 0;
  };
  // Reads the design; false, with the failure kept, when it cannot print.
  bool ReadDesign(int design);
  // Takes the contact's call and answers whether it begins a new label.
  bool BeginsNewLabel(const adif::FieldTable& fields);
  // The label's corner less the printer's physical offset, that offset
  // rounded to 0.01 inch for blank cards.
  static Origin PrinterOrigin(const print::PrintSurface& surface,
                              const labels::LabelPlacement& placement, bool toHundredths);
  // Unit and position at the origin, and the picture on a label's first line.
  bool BeginLabelLine(print::PrintSurface& surface, Origin origin, bool withPicture);
  // The design's picture at the label's corner; false when it cannot be read.
  bool PaintDesignPicture(print::PrintSurface& surface, Origin origin);
  void DrawContact(print::PrintSurface& surface, Origin origin, const adif::FieldTable& fields);
  void PlaceField(print::PrintSurface& surface, const DesignField& field, Origin origin,
                  double lineOffset);
  void DrawGrid(print::PrintSurface& surface, const labels::LabelSheet& sheet);

  settings::SettingsFile& settings_;
  CustomLabelDesign design_;
  int designNumber_ = 0;
  std::uint64_t designVersion_ = 0;  // of the settings file it was read from
  std::string previousCall_;
  std::string currentCall_;
  int labelLineCounter_ = 0;
  int previewLabelCount_ = 0;
  bool pageFull_ = false;
  std::string failure_;
  std::vector<FieldExtent>* extents_ = nullptr;  // kept only while the label view draws
};

}  // namespace tavrilon::designs
