#include "designs/LabelView.h"

#include "sheets/CustomSheets.h"
#include "sheets/SheetCatalogue.h"
#include "text/Text.h"

namespace tavrilon::designs {

namespace {

// A text that ends within a hair of the edge still fits.
constexpr double kEdgeSlack = 0.005;

std::string_view CallOf(const adif::FieldTable& fields) {
  return text::TrimBlanks(fields.StandardValue(adif::StandardField::Call));
}

}  // namespace

bool SharesFirstLabel(const std::vector<adif::FieldTable>& taken, const adif::FieldTable& next) {
  return taken.empty() || (taken.size() < kMostViewLines && CallOf(next) == CallOf(taken[0]));
}

std::optional<LabelSample> ReadFirstLabel(adif::AdifInput& input, const std::filesystem::path& log,
                                          std::string& fault) {
  adif::InputStatus status = input.Open(log);
  if (status.Ok()) {
    status = input.StartAdifInput();
  }
  LabelSample sample;
  while (status.Ok()) {
    const adif::QsoRecord* qso = input.NextRecord();
    if (qso == nullptr || !SharesFirstLabel(sample.contacts, qso->fields)) {
      status = input.ReadStatus();
      break;
    }
    sample.contacts.push_back(qso->fields);
  }
  input.Close();
  if (status.problem == adif::InputProblem::DictionaryMissing) {
    fault = adif::DictionaryStopText(input.DictionaryFault());
    return std::nullopt;
  }
  if (!status.Ok()) {
    fault = "The label file cannot be read: " + status.detail;
    return std::nullopt;
  }
  return sample;
}

std::optional<LabelSample> BracketSample(const std::filesystem::path& dictionary,
                                         std::string& fault) {
  adif::FieldTable fields;
  switch (adif::LoadFieldDictionary(dictionary, fields, fault)) {
    case adif::DictionaryLoad::Loaded:
      break;
    case adif::DictionaryLoad::Missing:
      fault = adif::DictionaryStopText("");
      return std::nullopt;
    case adif::DictionaryLoad::Unusable:
      return std::nullopt;
  }
  fields.ComputeStandardFieldSlots();
  // Slot 0 names no field: its line is the dictionary's note.
  for (std::size_t slot = 1; slot < fields.FieldCount(); ++slot) {
    if (!fields.Name(slot).empty()) {
      // Appended, not "[" + name + "]": GCC 12 warns wrongly of an overlap.
      std::string bracketed(1, '[');
      bracketed.append(fields.Name(slot)).append(1, ']');
      fields.SetValue(slot, bracketed);
    }
  }
  LabelSample sample;
  sample.contacts.push_back(std::move(fields));
  sample.repeated = true;
  return sample;
}

std::vector<FieldExtent> DrawFirstLabel(DesignRenderer& renderer, print::PrintSurface& surface,
                                        int design, const LabelSample& sample, double left,
                                        double top, std::string& failure) {
  std::vector<FieldExtent> extents;
  renderer.Reset();
  const std::size_t lines = sample.repeated ? kMostViewLines : sample.contacts.size();
  for (std::size_t line = 0; line < lines && !sample.contacts.empty(); ++line) {
    const adif::FieldTable& contact = sample.contacts[sample.repeated ? 0 : line];
    const auto step = renderer.RenderLabelView(surface, design, contact, left, top, extents);
    if (step == DesignRenderer::ViewStep::Failed) {
      failure = renderer.Failure();
      return {};
    }
    if (step == DesignRenderer::ViewStep::NextLabel) {
      break;
    }
  }
  return extents;
}

namespace {

// The edge a text runs past, checked left, top, right, bottom; none when it fits.
std::optional<std::string_view> EdgePassed(const FieldExtent& extent,
                                           const sheets::LabelSheet& sheet) {
  if (extent.left < -kEdgeSlack) {
    return "left";
  }
  if (extent.top < -kEdgeSlack) {
    return "top";
  }
  if (extent.right > sheet.horizontalPitch + kEdgeSlack) {
    return "right";
  }
  if (extent.bottom > sheet.verticalPitch + kEdgeSlack) {
    return "bottom";
  }
  return std::nullopt;
}

}  // namespace

bool RunsPastEdge(const FieldExtent& extent, const sheets::LabelSheet& sheet) {
  return EdgePassed(extent, sheet).has_value();
}

std::optional<FieldExtent> FirstOverflow(const std::vector<FieldExtent>& extents,
                                         const sheets::LabelSheet& sheet) {
  for (const FieldExtent& extent : extents) {
    if (RunsPastEdge(extent, sheet)) {
      return extent;
    }
  }
  return std::nullopt;
}

std::string OverflowText(int design, std::string_view designName, const FieldExtent& extent,
                         const sheets::LabelSheet& sheet) {
  std::string text =
      "Field " + std::to_string(extent.field) + " of custom label design " + std::to_string(design);
  if (!designName.empty()) {
    text.append(" (\"").append(designName).append("\")");
  }
  text.append(" runs past the ")
      .append(EdgePassed(extent, sheet).value_or("bottom"))
      .append(" edge of a ")
      .append(sheet.name);
  text.append(" label.");
  return text;
}

}  // namespace tavrilon::designs
