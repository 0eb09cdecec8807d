#pragma once

#include <string>

#include "shell/Session.h"

namespace tavrilon::batch {

struct StocksOptions {
  std::string search;  // words every listed sheet holds; empty for every sheet
};

// Lists the label sheets a run can take: the catalogue's stocks, then the
// label database's, one line each with their fields separated by tabs
// (brand, part, paper, label size, layout, description). A catalogued stock
// has no brand, so that its part is what --stock takes. Answers the exit
// status.
int RunStocksCommand(const StocksOptions& options, Session& session);

}  // namespace tavrilon::batch
