#include "batch/StocksCommand.h"

#include <cstdio>

#include "batch/ExitStatus.h"
#include "sheets/SheetDatabase.h"

namespace tavrilon::batch {

int RunStocksCommand(const StocksOptions& options, Session& session) {
  bool any = false;
  // The catalogue first, each stock as --stock takes it.
  const sheets::SheetDatabase catalogue = sheets::CatalogueAsDatabase();
  for (const sheets::SheetDatabase* database : {&catalogue, &session.LabelSheets().Database()}) {
    for (const sheets::DatabaseSheet* sheet : database->Search(options.search)) {
      std::printf("%s\n", sheets::DatabaseSheetLine(*sheet).c_str());
      any = true;
    }
  }
  if (!any) {
    std::fprintf(stderr, "No label sheet matches \"%s\".\n", options.search.c_str());
  }
  return kExitOk;
}

}  // namespace tavrilon::batch
