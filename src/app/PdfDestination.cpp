#include "app/PdfDestination.h"

#include "app/Desktop.h"
#include "app/QtText.h"
#include "print/OutputDestination.h"
#include "print/PdfJobPath.h"

namespace tavrilon::app {

std::optional<std::filesystem::path> AskPdfDestination(
    Desktop& desktop, QWidget* parent, const std::filesystem::path& inputFile, std::string_view job,
    const std::vector<std::filesystem::path>& protectedFiles) {
  QString suggested = ToQString(print::SuggestedPdfPath(inputFile, job).string());
  for (;;) {
    const auto chosen = desktop.ChooseSaveFile(parent, QStringLiteral("Save PDF"), suggested,
                                               QStringLiteral("PDF Files (*.pdf *.PDF)"));
    if (!chosen) {
      return std::nullopt;
    }
    const std::filesystem::path target = print::WithPdfExtension(ToUtf8(*chosen));
    const auto fault = print::OutputDestinationFault(target, inputFile, protectedFiles);
    if (!fault) {
      return target;
    }
    desktop.ShowMessage(parent, ToQString(*fault + " Please choose another name."),
                        MessageIcon::None);
    suggested = ToQString(print::SuggestedPdfPath(inputFile, job).string());
  }
}

}  // namespace tavrilon::app
