#pragma once

#include <filesystem>
#include <string>

namespace tavrilon::print {

// Whether a PDF that a writer has just finished is whole: it begins as a PDF,
// ends with its trailer, and its cross-reference table stands where the
// trailer says. A write lost to a full disk moves or cuts off what follows
// it, so a document the writer could not store whole fails here. Empty when
// whole, otherwise what is wrong.
std::string PdfFileFault(const std::filesystem::path& pdf);

}  // namespace tavrilon::print
