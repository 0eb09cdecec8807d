#include "designs/DesignRenderer.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "files/RegularFile.h"
#include "sheets/LabelOutline.h"
#include "sheets/PrinterOffset.h"
#include "text/Text.h"

namespace tavrilon::designs {

namespace {

// A name the dictionary lacks finds the catch-all slot, which is no value.
std::string_view ValueOf(const adif::FieldTable& fields, std::string_view name) {
  if (name.empty()) {
    return {};
  }
  const std::size_t slot = fields.FindFieldSlot(name);
  return slot == 0 ? std::string_view() : fields.Value(slot);
}

const std::string& ConditionText(const FieldCondition& condition, const adif::FieldTable& fields) {
  const std::string tested =
      text::AsciiUpper(text::TrimBlanks(ValueOf(fields, condition.testField)));
  const std::string against = text::AsciiUpper(text::TrimBlanks(condition.compareText));
  const bool holds = condition.testsEqual ? tested == against : tested != against;
  return holds ? condition.thenText : condition.elseText;
}

bool FieldUsed(const DesignField& field) {
  return !field.adif.empty() || !field.label.empty() || field.conditionStored;
}

std::string FaultText(int design, const CustomLabelDesign& read, const UnreadableValue& value) {
  std::string text = "Custom label design " + std::to_string(design);
  if (!read.name.empty()) {
    text += " (\"" + read.name + "\")";
  }
  text += " cannot be printed: ";
  text += value.field == 0 ? std::string("the design") : "field " + std::to_string(value.field);
  text += " holds \"" + value.stored + "\" in " + value.key + ", which ";
  text += value.problem;
  text += '.';
  return text;
}

// A centred or right aligned text starts left of its place by half or all
// of its width, measured in the field's font.
void AlignOnPlace(print::PrintSurface& surface, const DesignField& field, std::string_view text) {
  if (field.align == FieldAlign::Left || field.continuesText || text.empty()) {
    return;
  }
  const double width = surface.TextWidth(text);
  surface.SetCurrentX(surface.CurrentX() - (field.align == FieldAlign::Center ? width / 2 : width));
}

// The preview's grid: each label's own outline, so that the gaps between
// labels show as they are on the sheet.
void DrawGrid(print::PrintSurface& surface, const sheets::LabelSheet& sheet) {
  surface.SetLineWidth(1);
  for (const sheets::LabelCorner& corner : sheets::LabelCorners(sheet)) {
    sheets::DrawLabelOutline(surface, corner, sheet, print::kBlue);
  }
}

}  // namespace

bool BeginsLabel(double multiLines, int linesOnLabel, std::string_view call,
                 std::string_view previousCall) {
  return multiLines <= linesOnLabel || multiLines == 1 || call != previousCall;
}

void DesignRenderer::Reset() {
  previousCall_.clear();
  currentCall_.clear();
  labelLineCounter_ = 0;
  labelsBegun_ = 0;
  pageFull_ = false;
  laterSheet_ = false;
  failure_.clear();
}

std::string DesignRenderer::LoadDesign(int design) {
  runDesign_ = true;
  if (!ReadDesign(design)) {
    return failure_;
  }
  // Said before the run asks for a document; a FIFO would never be read.
  if (design_.printImage && !design_.imagePath.empty()) {
    if (std::string kind = files::NotARegularFile(design_.imagePath); !kind.empty()) {
      return PictureFault(kind);
    }
  }
  return {};
}

bool DesignRenderer::ReadDesign(int design) {
  design_ = ReadCustomLabelDesign(settings_, design);
  designNumber_ = design;
  designVersion_ = settings_.Version();
  return Printable();
}

bool DesignRenderer::Printable() {
  if (design_.unreadable.empty()) {
    return true;
  }
  failure_ = FaultText(designNumber_, design_, design_.unreadable.front());
  return false;
}

bool DesignRenderer::ViewDesign(int design) {
  if (design == designNumber_ && (runDesign_ || settings_.Version() == designVersion_)) {
    return Printable();
  }
  runDesign_ = false;
  return ReadDesign(design);
}

const std::string& DesignRenderer::PictureFault(std::string_view reason) {
  failure_ = "The picture " + design_.imagePath + " of custom label design " +
             std::to_string(designNumber_) + " cannot be read: ";
  failure_ += reason;
  return failure_;
}

bool DesignRenderer::BeginsNewLabel(const adif::FieldTable& fields) {
  previousCall_.swap(currentCall_);
  currentCall_.assign(text::TrimBlanks(fields.StandardValue(adif::StandardField::Call)));
  return BeginsLabel(design_.multiLines, labelLineCounter_, currentCall_, previousCall_);
}

DesignRenderer::Origin DesignRenderer::PrinterOrigin(const print::PrintSurface& surface,
                                                     const sheets::LabelPlacement& placement) {
  const sheets::PrinterOffset offset = sheets::PrinterOffsetOf(surface);
  return {placement.LabelLeft() - offset.x, placement.LabelTop() - offset.y};
}

bool DesignRenderer::BeginLabelLine(print::PrintSurface& surface, Origin origin, bool withPicture) {
  surface.SetUnit(print::Unit::Inches);
  surface.SetCurrentX(origin.x);
  surface.SetCurrentY(origin.y);
  return !withPicture || PaintDesignPicture(surface, origin);
}

bool DesignRenderer::PaintDesignPicture(print::PrintSurface& surface, Origin origin) {
  if (!design_.printImage || design_.imagePath.empty()) {
    return true;
  }
  std::string reason;
  const auto size = surface.LoadPicture(design_.imagePath, reason);
  if (!size) {
    PictureFault(reason);
    return false;
  }
  // Without a size of its own the picture prints at its own.
  surface.PaintPicture(design_.imagePath, origin.x, origin.y,
                       design_.imageWidth.value_or(size->width),
                       design_.imageHeight.value_or(size->height));
  return true;
}

void DesignRenderer::PlaceField(print::PrintSurface& surface, const DesignField& field,
                                Origin origin, double lineOffset) {
  if (!field.continuesText) {
    surface.SetCurrentX(origin.x + field.horiz);
  }
  surface.SetCurrentY(origin.y + field.vert + lineOffset);
  surface.SetFontName(field.fontName);
  surface.SetFontSize(field.fontSize);
  surface.SetBold(field.bold);
  surface.SetForeColour(field.color);
  surface.SetItalic(field.italic);
  surface.SetUnderline(field.underline);
  surface.SetStrikethrough(field.strikethru);
}

void DesignRenderer::DrawContact(print::PrintSurface& surface, Origin origin,
                                 const adif::FieldTable& fields) {
  const double lineOffset = labelLineCounter_ < 2 ? 0 : design_.multiDx * (labelLineCounter_ - 1);
  std::string text;
  const auto end = design_.fields.end();
  const auto nextUsed = [end](auto from) { return std::find_if(from, end, FieldUsed); };
  for (auto at = nextUsed(design_.fields.begin()); at != end;) {
    const DesignField& field = *at;
    const int number = static_cast<int>(at - design_.fields.begin()) + 1;
    const auto next = at = nextUsed(at + 1);
    // A field left off a continuation line still moves the position.
    PlaceField(surface, field, origin, lineOffset);
    if (labelLineCounter_ != 1 && !field.repeats) {
      continue;
    }
    std::string_view value = ValueOf(fields, field.adif);
    if (design_.shortName && field.adif == "NAME" && !value.empty()) {
      value = value.substr(0, value.find(' '));
    }
    text.clear();
    if (field.condition) {
      text += ConditionText(*field.condition, fields);
    }
    text += field.label;
    text += value;
    AlignOnPlace(surface, field, text);
    if (extents_ != nullptr && !text.empty()) {
      const double x = surface.CurrentX() - origin.x;
      const double y = surface.CurrentY() - origin.y;
      extents_->push_back({number, x, y, x + surface.TextWidth(text), y + surface.TextHeight()});
    }
    // Only a field that goes on after this text needs to know where it ends.
    if (next != end && next->continuesText) {
      surface.PrintText(text, false);
    } else {
      surface.PrintTextHere(text);
    }
  }
}

bool DesignRenderer::RenderDesignQso(print::PrintSurface& surface, const adif::FieldTable& fields,
                                     sheets::LabelPlacement& placement) {
  if (BeginsNewLabel(fields)) {
    if (labelsBegun_ > 0) {
      placement.AdvanceLabel(surface);
    }
    ++labelsBegun_;
    labelLineCounter_ = 0;
  }
  ++labelLineCounter_;
  const Origin origin = PrinterOrigin(surface, placement);
  if (!BeginLabelLine(surface, origin, labelLineCounter_ < 2)) {
    return false;
  }
  DrawContact(surface, origin, fields);
  return true;
}

bool DesignRenderer::RenderBlankCard(print::PrintSurface& surface,
                                     sheets::LabelPlacement& placement) {
  const Origin origin = PrinterOrigin(surface, placement);
  if (!BeginLabelLine(surface, origin, true)) {
    return false;
  }
  // A blank card carries no contact's values and no condition's texts.
  for (const DesignField& field : design_.fields) {
    if (field.label.empty() && !field.conditionStored) {
      continue;
    }
    PlaceField(surface, field, origin, 0);
    AlignOnPlace(surface, field, field.label);
    surface.PrintText(field.label, false);
  }
  placement.AdvanceLabel(surface);
  return true;
}

bool DesignRenderer::RenderDesignPreview(print::PrintSurface& surface,
                                         const adif::FieldTable& fields,
                                         sheets::LabelPlacement& placement) {
  if (pageFull_) {
    return true;
  }
  const bool laterSheet = std::exchange(laterSheet_, false);
  if (BeginsNewLabel(fields) || laterSheet) {
    if (labelsBegun_ == 0) {
      placement.SetPosition({});
    } else if (!placement.StepWithinPage()) {
      pageFull_ = true;
      return true;
    }
    ++labelsBegun_;
    labelLineCounter_ = 0;
  }
  ++labelLineCounter_;
  // A picture of the sheet has no printer offset.
  const Origin origin{placement.LabelLeft(), placement.LabelTop()};
  if (!BeginLabelLine(surface, origin, labelLineCounter_ < 2)) {
    return false;
  }
  DrawContact(surface, origin, fields);
  if (design_.showGrid) {
    DrawGrid(surface, placement.Sheet());
  }
  return true;
}

DesignRenderer::ViewStep DesignRenderer::RenderLabelView(print::PrintSurface& surface, int design,
                                                         const adif::FieldTable& fields,
                                                         double left, double top,
                                                         std::vector<FieldExtent>& extents) {
  if (!ViewDesign(design)) {
    return ViewStep::Failed;
  }
  if (BeginsNewLabel(fields) || labelsBegun_ == 0) {
    if (labelsBegun_ > 0) {
      return ViewStep::NextLabel;
    }
    labelsBegun_ = 1;
    labelLineCounter_ = 0;
  }
  ++labelLineCounter_;
  const Origin origin{left, top};
  if (!BeginLabelLine(surface, origin, labelLineCounter_ < 2)) {
    return ViewStep::Failed;
  }
  extents_ = &extents;
  DrawContact(surface, origin, fields);
  extents_ = nullptr;
  return ViewStep::Drawn;
}

}  // namespace tavrilon::designs
