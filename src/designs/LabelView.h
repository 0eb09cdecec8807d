#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adif/AdifInput.h"
#include "adif/FieldTable.h"
#include "designs/DesignRenderer.h"
#include "print/PrintSurface.h"
#include "settings/SettingsFile.h"
#include "sheets/LabelSheet.h"

namespace tavrilon::designs {

// One label of a design, as the editor shows it and as a label run checks it
// before printing: the contacts of the log's first label, or one contact
// whose every field holds its own name in brackets.
struct LabelSample {
  std::vector<adif::FieldTable> contacts;
  bool repeated = false;  // the one contact stands for every line of the label
};

// A label holds at most this many contact lines in a view: a design asking
// for more would make a view nobody can read.
inline constexpr std::size_t kMostViewLines = 20;

// Whether `next` may go on the first label after `taken`: it has the first
// contact's call, and the view has room for it.
bool SharesFirstLabel(const std::vector<adif::FieldTable>& taken, const adif::FieldTable& next);

// The contacts of the first label of `log`, read through `input`; nothing,
// with `fault` saying why, when the log cannot be read.
std::optional<LabelSample> ReadFirstLabel(adif::AdifInput& input, const std::filesystem::path& log,
                                          std::string& fault);
// The contact "[CALL]", "[QSO_DATE]" ... from the dictionary file; nothing,
// with `fault` saying why, when the dictionary cannot be read.
std::optional<LabelSample> BracketSample(const std::filesystem::path& dictionary,
                                         std::string& fault);

// Draws the sample's first label with its corner at (`left`, `top`) and
// answers where each text went; empty, with `failure` set, when the design
// cannot be drawn.
std::vector<FieldExtent> DrawFirstLabel(DesignRenderer& renderer, print::PrintSurface& surface,
                                        int design, const LabelSample& sample, double left,
                                        double top, std::string& failure);

// A label's room is its pitch across and down: the sheets give no other size.
bool RunsPastEdge(const FieldExtent& extent, const sheets::LabelSheet& sheet);
// The first text that runs past the label's room, if any.
std::optional<FieldExtent> FirstOverflow(const std::vector<FieldExtent>& extents,
                                         const sheets::LabelSheet& sheet);
// "Field 3 of custom label design 1 ("Club card") runs past the right edge
// of a 5160 label."
std::string OverflowText(int design, std::string_view designName, const FieldExtent& extent,
                         const sheets::LabelSheet& sheet);

}  // namespace tavrilon::designs
