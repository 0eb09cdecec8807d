#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "designs/DesignRenderer.h"
#include "designs/LabelSample.h"
#include "print/PrintSurface.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::designs {

// Draws the sample's first label with its corner at (`left`, `top`) and
// answers where each text went; empty, with `failure` set, when the design
// cannot be drawn.
std::vector<FieldExtent> DrawFirstLabel(DesignRenderer& renderer, print::PrintSurface& surface,
                                        int design, const LabelSample& sample, double left,
                                        double top, std::string& failure);

// A label's room is the label itself, not its pitch: a text in the gap
// between two labels is on neither.
bool RunsPastEdge(const FieldExtent& extent, const sheets::LabelSheet& sheet);
// The first text that runs past the label's room, if any.
std::optional<FieldExtent> FirstOverflow(const std::vector<FieldExtent>& extents,
                                         const sheets::LabelSheet& sheet);
// "Field 3 of custom label design 1 ("Club card") runs past the right edge
// of a 5160 label."
std::string OverflowText(int design, std::string_view designName, const FieldExtent& extent,
                         const sheets::LabelSheet& sheet);

}  // namespace tavrilon::designs
