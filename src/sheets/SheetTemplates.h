#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheets/LabelSheet.h"
#include "sheets/SheetDatabase.h"

namespace tavrilon::sheets {

// One file of the label database, read from its text. A file that is not
// well-formed XML of the expected kind is read as nothing, with `error`
// saying why ("Start-end tags mismatch at line 12, byte 340", "its root element
// is not <Glabels-templates>").

struct PaperSizesRead {
  std::vector<PaperSize> sizes;
  std::string error;
};
// paper-sizes.xml: the papers templates name by id ("A4", "US-Letter").
PaperSizesRead ReadPaperSizes(std::string_view text);
// The common papers, for a system without paper-sizes.xml.
std::vector<PaperSize> BuiltInPaperSizes();
// The paper of `id`, in any case; nothing for an id not among `sizes`.
const PaperSize* FindPaperSize(const std::vector<PaperSize>& sizes, std::string_view id);

// A template that is another part of the same brand under its own number.
struct SheetAlias {
  std::string brand;
  std::string part;
  std::string equiv;        // the part whose geometry it has
  std::string description;  // empty: the other part's
};

struct TemplatesRead {
  std::vector<DatabaseSheet> sheets;
  std::vector<SheetAlias> aliases;
  std::string error;
};
// A file of templates: the rectangular labels on a known paper or on paper
// of the template's own size. Any other template, and one with a length that
// is not one, is left out.
TemplatesRead ReadTemplates(std::string_view text, const std::vector<PaperSize>& paperSizes);

}  // namespace tavrilon::sheets
