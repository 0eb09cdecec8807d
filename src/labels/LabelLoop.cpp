#include "labels/LabelLoop.h"

#include "session/RunProgress.h"

namespace tavrilon::labels {

namespace {

void ShowLabel(UserInterface& ui, int label) {
  ui.SetStatusText("Label " + std::to_string(label));
}

}  // namespace

std::string PrintEveryContact(DesignPrinter& printer, print::PrintSurface& surface,
                              RunContacts& contacts, UnreadableDates& dates, SentContacts* sent,
                              UserInterface& ui) {
  RunProgress progress(ui);
  std::string failure;
  int shown = 0;
  while (const adif::QsoRecord* qso = contacts.Next()) {
    dates.Check(*qso);
    if (!printer.Print(surface, qso->fields, failure)) {
      return failure;
    }
    if (sent != nullptr) {
      sent->Add(contacts.Text());
    }
    // Each label the contact began; a contact that went on the label in
    // progress shows that label again.
    const int labels = printer.Labels();
    if (labels == shown && labels > 0) {
      ShowLabel(ui, labels);
    }
    while (shown < labels) {
      ShowLabel(ui, ++shown);
    }
    progress.Show(contacts.Progress().Percent());
  }
  progress.Complete();
  return contacts.ReadFault();
}

}  // namespace tavrilon::labels
