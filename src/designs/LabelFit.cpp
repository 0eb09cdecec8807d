#include "designs/LabelFit.h"

#include "sheets/LabelSize.h"

namespace tavrilon::designs {

namespace {

// A text that ends within a hair of the edge still fits.
constexpr double kEdgeSlack = 0.005;

}  // namespace

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
  if (extent.right > sheets::LabelWidthOf(sheet) + kEdgeSlack) {
    return "right";
  }
  if (extent.bottom > sheets::LabelHeightOf(sheet) + kEdgeSlack) {
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
