#include "sheets/SheetTemplates.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "sheets/TemplateLength.h"
#include "text/Text.h"
#include <pugixml.hpp>

namespace tavrilon::sheets {

namespace {

// The document's root element when the text is well-formed and the root is
// `rootName`; else `error` says why.
std::optional<pugi::xml_node> Root(pugi::xml_document& document, std::string_view text,
                                   const char* rootName, std::string& error) {
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  if (!parsed) {
    const std::string_view before =
        text.substr(0, static_cast<std::size_t>(std::max<std::ptrdiff_t>(parsed.offset, 0)));
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    error = std::string(parsed.description()) + " at line " + std::to_string(line) + ", byte " +
            std::to_string(before.size());
    return std::nullopt;
  }
  const pugi::xml_node root = document.document_element();
  if (std::strcmp(root.name(), rootName) != 0) {
    error = std::string("its root element is not <") + rootName + ">";
    return std::nullopt;
  }
  return root;
}

std::optional<double> Inches(const pugi::xml_node& node, const char* attribute) {
  const auto length = ParseTemplateLength(node.attribute(attribute).value());
  return length ? std::optional(length->inches) : std::nullopt;
}

// "70 x 36 mm", "2 in x 36 mm" where the units differ.
std::optional<std::string> SizeText(const pugi::xml_node& frame) {
  const auto width = ParseTemplateLength(frame.attribute("width").value());
  const auto height = ParseTemplateLength(frame.attribute("height").value());
  if (!width || !height) {
    return std::nullopt;
  }
  std::string size(width->number);
  if (width->unit != height->unit) {
    size.append(" ").append(width->unit);
  }
  return size.append(" x ").append(height->number).append(" ").append(height->unit);
}

std::optional<PaperSize> TemplatePaper(const pugi::xml_node& templ,
                                       const std::vector<PaperSize>& paperSizes) {
  const std::string_view id = templ.attribute("size").value();
  if (id != "Other") {
    const PaperSize* paper = FindPaperSize(paperSizes, id);
    return paper != nullptr ? std::optional(*paper) : std::nullopt;
  }
  const auto width = Inches(templ, "width");
  const auto height = Inches(templ, "height");
  if (!width || !height || *width <= 0 || *height <= 0) {
    return std::nullopt;
  }
  return PaperSize{std::string(id), *width, *height};
}

// One grid of labels. A pitch may be left out (or 0) where there is one
// label in that direction; then it is the label's own size.
struct Grid {
  int across = 0;
  int down = 0;
  double left = 0;
  double top = 0;
  double horizontalPitch = 0;
  double verticalPitch = 0;
};

std::optional<Grid> ReadGrid(const pugi::xml_node& layout, double labelWidth, double labelHeight) {
  const auto across = ParseTemplateCount(layout.attribute("nx").value());
  const auto down = ParseTemplateCount(layout.attribute("ny").value());
  const auto left = Inches(layout, "x0");
  const auto top = Inches(layout, "y0");
  auto horizontal = Inches(layout, "dx");
  auto vertical = Inches(layout, "dy");
  if (!across || !down || !left || !top || !horizontal || !vertical ||
      *across > kMostLabelPosition || *down > kMostLabelPosition) {
    return std::nullopt;
  }
  if (*horizontal <= 0 && *across == 1) {
    horizontal = labelWidth;
  }
  if (*vertical <= 0 && *down == 1) {
    vertical = labelHeight;
  }
  if (*horizontal <= 0 || *vertical <= 0) {
    return std::nullopt;
  }
  return Grid{*across, *down, *left, *top, *horizontal, *vertical};
}

// Several grids on one page: every label, row by row down the page. Tops
// that differ only by the rounding of their sums are one row.
std::optional<std::vector<LabelCorner>> StaggeredCorners(const std::vector<Grid>& grids) {
  std::vector<LabelCorner> corners;
  for (const Grid& grid : grids) {
    if (static_cast<long long>(grid.across) * grid.down >
        kMostLabelPosition - static_cast<long long>(corners.size())) {
      return std::nullopt;
    }
    for (int row = 0; row < grid.down; ++row) {
      for (int column = 0; column < grid.across; ++column) {
        corners.push_back(
            {grid.left + column * grid.horizontalPitch, grid.top + row * grid.verticalPitch});
      }
    }
  }
  const auto rowOf = [](const LabelCorner& c) { return std::llround(c.top * 1e6); };
  std::stable_sort(corners.begin(), corners.end(), [&](const LabelCorner& a, const LabelCorner& b) {
    return rowOf(a) != rowOf(b) ? rowOf(a) < rowOf(b) : a.left < b.left;
  });
  return corners;
}

std::optional<LabelSheet> ReadFrame(const pugi::xml_node& frame) {
  const auto width = Inches(frame, "width");
  const auto height = Inches(frame, "height");
  const auto round = Inches(frame, "round");
  if (!width || !height || !round || *width <= 0 || *height <= 0 || *round < 0) {
    return std::nullopt;
  }
  std::vector<Grid> grids;
  for (const pugi::xml_node& layout : frame.children("Layout")) {
    const auto grid = ReadGrid(layout, *width, *height);
    if (!grid) {
      return std::nullopt;
    }
    grids.push_back(*grid);
  }
  if (grids.empty()) {
    return std::nullopt;
  }
  const Grid& first = grids.front();
  LabelSheet sheet;
  sheet.across = first.across;
  sheet.down = first.down;
  sheet.horizontalPitch = first.horizontalPitch;
  sheet.verticalPitch = first.verticalPitch;
  sheet.topMargin = first.top;
  sheet.leftMargin = first.left;
  sheet.labelWidth = *width;
  sheet.labelHeight = *height;
  sheet.cornerRadius = *round;
  if (grids.size() > 1) {
    auto corners = StaggeredCorners(grids);
    if (!corners) {
      return std::nullopt;
    }
    sheet.staggered = std::move(*corners);
    sheet.across = static_cast<int>(sheet.staggered.size());
    sheet.down = 1;
  }
  return sheet;
}

std::string Description(const pugi::xml_node& templ) {
  const pugi::xml_attribute own = templ.attribute("description");
  return own ? own.value() : templ.attribute("_description").value();
}

// The first frame is the template's label; the others (a CD's case beside
// it) are not what a run prints on.
std::optional<DatabaseSheet> ReadSheet(const pugi::xml_node& templ, std::string brand,
                                       std::string part, const std::vector<PaperSize>& paperSizes) {
  const pugi::xml_node frame = templ.find_child(
      [](const pugi::xml_node& child) { return std::strncmp(child.name(), "Label-", 6) == 0; });
  if (std::strcmp(frame.name(), "Label-rectangle") != 0) {
    return std::nullopt;
  }
  auto paper = TemplatePaper(templ, paperSizes);
  auto sheet = ReadFrame(frame);
  auto size = SizeText(frame);
  if (!paper || !sheet || !size) {
    return std::nullopt;
  }
  sheet->name = brand + " " + part;
  sheet->paper = std::move(paper);
  return DatabaseSheet{std::move(brand), std::move(part), Description(templ), std::move(*size),
                       std::move(*sheet)};
}

}  // namespace

PaperSizesRead ReadPaperSizes(std::string_view text) {
  PaperSizesRead read;
  pugi::xml_document document;
  const auto root = Root(document, text, "Glabels-paper-sizes", read.error);
  if (!root) {
    return read;
  }
  for (const pugi::xml_node& paper : root->children("Paper-size")) {
    const auto width = Inches(paper, "width");
    const auto height = Inches(paper, "height");
    const std::string_view id = paper.attribute("id").value();
    if (!id.empty() && width && height && *width > 0 && *height > 0) {
      read.sizes.push_back({std::string(id), *width, *height});
    }
  }
  return read;
}

std::vector<PaperSize> BuiltInPaperSizes() {
  constexpr double kMm = 1 / 25.4;
  return {{"A3", 297 * kMm, 420 * kMm}, {"A4", 210 * kMm, 297 * kMm}, {"A5", 148 * kMm, 210 * kMm},
          {"A6", 105 * kMm, 148 * kMm}, {"B4", 250 * kMm, 353 * kMm}, {"B5", 176 * kMm, 250 * kMm},
          {"US-Letter", 8.5, 11},       {"US-Legal", 8.5, 14},        {"US-Executive", 7.25, 10.5}};
}

const PaperSize* FindPaperSize(const std::vector<PaperSize>& sizes, std::string_view id) {
  const auto found = std::find_if(sizes.begin(), sizes.end(), [id](const PaperSize& paper) {
    return text::EqualsIgnoringCase(paper.name, id);
  });
  return found == sizes.end() ? nullptr : &*found;
}

TemplatesRead ReadTemplates(std::string_view text, const std::vector<PaperSize>& paperSizes) {
  TemplatesRead read;
  pugi::xml_document document;
  const auto root = Root(document, text, "Glabels-templates", read.error);
  if (!root) {
    return read;
  }
  for (const pugi::xml_node& templ : root->children("Template")) {
    std::string brand = templ.attribute("brand").value();
    std::string part = templ.attribute("part").value();
    if (brand.empty() || part.empty()) {
      continue;
    }
    if (const std::string_view equiv = templ.attribute("equiv").value(); !equiv.empty()) {
      read.aliases.push_back(
          {std::move(brand), std::move(part), std::string(equiv), Description(templ)});
    } else if (auto sheet = ReadSheet(templ, std::move(brand), std::move(part), paperSizes)) {
      read.sheets.push_back(std::move(*sheet));
    }
  }
  return read;
}

}  // namespace tavrilon::sheets
